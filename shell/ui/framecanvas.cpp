#include "framecanvas.h"

namespace ondel {

FrameCanvas::FrameCanvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameCanvas::setFrame(const std::vector<Primitive> &ops)
{
    ops_ = ops;
    update();
}

void FrameCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(colour::background));
    painter_.replay(painter, size(), ops_);
}

} // namespace ondel
