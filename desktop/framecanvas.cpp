// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecanvas.h"

#include "fonts.h"

#include "shell/state/geometry.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

namespace ondel {

// The frame's texts (the annotations' labels) in their own font, large
// enough to read across a classroom.
FrameCanvas::FrameCanvas(QWidget *parent) : QWidget(parent), painter_(controlFont(frameTextFont))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameCanvas::setFrame(const std::vector<Primitive> &ops)
{
    const std::size_t shared =
        static_cast<std::size_t>(std::mismatch(ops_.begin(), ops_.end(), ops.begin(), ops.end()).first - ops_.begin());
    // A pixel changes only where a primitive changed; the rest of the canvas,
    // and the controls on it, need not be repainted.
    RepaintPacer::of(*this).changed(*this, painter_.changedRect(ops_, ops, size()));
    // The background holds what the frames keep in common at their head: it
    // shrinks at once when that changes, and grows only to what two frames
    // running kept, so that a primitive that stands still every other tick
    // does not have it redrawn at every tick.
    const std::size_t steady = std::min(shared, sharedBefore_);
    if (shared < backgroundOps_ || steady > backgroundOps_) {
        backgroundOps_ = shared < backgroundOps_ ? shared : steady;
        backgroundStale_ = true;
    }
    sharedBefore_ = shared;
    ops_ = ops;
}

void FrameCanvas::setScale(double factor)
{
    painter_.setScale(factor);
    scale_ = factor;
    backgroundStale_ = true;
    update();
}

void FrameCanvas::paintBackground()
{
    const qreal ratio = devicePixelRatioF();
    if (background_.size() != size() * ratio)
        background_ = QImage(size() * ratio, QImage::Format_RGB32);
    background_.setDevicePixelRatio(ratio);
    background_.fill(toQColor(colour::background));
    QPainter painter(&background_);
    const std::vector<Primitive> head(ops_.begin(), ops_.begin() + static_cast<std::ptrdiff_t>(backgroundOps_));
    painter_.replay(painter, size(), head);
    backgroundStale_ = false;
}

void FrameCanvas::paintEvent(QPaintEvent *event)
{
    if (backgroundStale_)
        paintBackground();
    QPainter painter(this);
    const qreal ratio = background_.devicePixelRatio();
    for (const QRect &rect : event->region())
        painter.drawImage(rect, background_, QRectF(rect.topLeft() * ratio, rect.size() * ratio));
    painter_.replay(painter, size(), ops_, backgroundOps_);
}

void FrameCanvas::resizeEvent(QResizeEvent *)
{
    backgroundStale_ = true;
}

bool FrameCanvas::deliver(PointerPhase phase, const QMouseEvent &event)
{
    if (!pointerHandler_)
        return false;
    const QPointF at = event.position() * (geometry::twipsPerPixel / scale_);
    const bool free = event.modifiers() & (Qt::ShiftModifier | Qt::AltModifier);
    return pointerHandler_(phase, {at.x(), at.y()}, free);
}

void FrameCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !deliver(PointerPhase::Down, *event))
        event->ignore(); // the window's right-click menu, for one
}

void FrameCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        deliver(PointerPhase::Move, *event);
}

void FrameCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        deliver(PointerPhase::Up, *event);
}

} // namespace ondel
