// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"
#include "repaintpacer.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace ondel {

// The window's own drawing surface, behind the controls: shows the frame of
// the latest tick and repaints it whenever it is uncovered. At a tick only
// what changed since the previous frame is repainted: where the primitives
// that changed were or now are. The primitives a frame shares with the
// previous one at its head (the axes) stay drawn in a background image, and
// the rest is painted again over it.
class FrameCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FrameCanvas(QWidget *parent = nullptr);

    void setFrame(const std::vector<Primitive> &ops);
    // The window's zoom: the frame is drawn `factor` times its 100% size.
    void setScale(double factor);

    // A mouse (or a finger, as Qt hands it on as a mouse) pressed, moved or
    // let go on the drawing, in twips at 100%; `free` while Shift or Alt is
    // held. The handler says whether it took the press.
    enum class PointerPhase { Down, Move, Up };
    using PointerHandler = std::function<bool(PointerPhase phase, Point at, bool free)>;
    void setPointerHandler(PointerHandler handler) { pointerHandler_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool deliver(PointerPhase phase, const QMouseEvent &event);

    // Draws the first backgroundOps_ primitives of the frame into background_.
    void paintBackground();

    std::vector<Primitive> ops_;
    // How many primitives at the head of the frame the previous frame shared
    // with the one before it.
    std::size_t sharedBefore_ = 0;
    // The frame's head that background_ shows, or is to show once stale.
    std::size_t backgroundOps_ = 0;
    bool backgroundStale_ = true;
    QImage background_;
    PrimitivePainter painter_;
    double scale_ = 1;
    PointerHandler pointerHandler_;
};

} // namespace ondel
