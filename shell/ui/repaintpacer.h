// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>

#include <chrono>

class QWidget;

namespace ondel {

// Ticks can come faster than a screen shows them (the speed bar goes down to
// 1 ms). A pacer collects what the ticks changed on a widget and has it
// repainted at most once per interval (8 ms: more often than screens
// refresh), so that a fast timer costs little more than the default one.
// Ticks at the default 10 ms are still shown one by one, without delay.
class RepaintPacer {
public:
    explicit RepaintPacer(QWidget &widget, std::chrono::milliseconds interval = std::chrono::milliseconds(8));

    // `rect` of the widget needs repainting.
    void changed(const QRect &rect);

private:
    void repaint();

    QWidget &widget_;
    std::chrono::milliseconds interval_;
    QRegion pending_;
    QElapsedTimer sinceRepaint_;
    QTimer timer_;
};

} // namespace ondel
