// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecanvas.h"

#include "fonts.h"

namespace ondel {

// The frame's texts (the annotations' labels) in their own font, large
// enough to read across a classroom.
FrameCanvas::FrameCanvas(QWidget *parent) : QWidget(parent), painter_(controlFont(frameTextFont)), pacer_(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameCanvas::setFrame(const std::vector<Primitive> &ops)
{
    // On screen only what the previous frame or this one drew changes; the
    // controls elsewhere need not be repainted at every tick.
    const QRect drawn = painter_.drawnExtent(ops);
    pacer_.changed(drawn_ | drawn);
    drawn_ = drawn;
    ops_ = ops;
}

void FrameCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(colour::background));
    painter_.replay(painter, size(), ops_);
}

} // namespace ondel
