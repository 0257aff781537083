// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <chrono>
#include <vector>

class QWidget;

namespace ondel {

// Ticks can come faster than a screen shows them (the speed bar goes down to
// 1 ms). A window's pacer collects what the ticks changed on its widgets
// (the canvas and the y-t picture) and has it repainted at most once per
// interval (8 ms: more often than screens refresh), so that a fast timer
// costs little more than the default one. Ticks at the default 10 ms are
// still shown one by one, without delay. What changed is repainted as one
// rectangle of the window: the window system takes a request and a wake-up
// for every rectangle, which costs more than the pixels a second one spares.
class RepaintPacer : public QObject {
    Q_OBJECT
public:
    explicit RepaintPacer(QWidget &window, std::chrono::milliseconds interval = std::chrono::milliseconds(8));

    // The pacer of the window `widget` is in, made on first use.
    static RepaintPacer &of(QWidget &widget);

    // `rect` of `widget`, a widget of this pacer's window, needs repainting.
    void changed(const QWidget &widget, const QRect &rect);

private:
    void repaint();

    QWidget &window_;
    std::chrono::milliseconds interval_;
    QRect pending_; // in the window's coordinates
    std::vector<QPointer<QWidget>> widgets_; // those that changed
    QElapsedTimer sinceRepaint_;
    QTimer timer_;
};

} // namespace ondel
