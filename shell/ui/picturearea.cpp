// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include <QPaintEvent>

#include <algorithm>

namespace ondel {

PictureArea::PictureArea(const QFont &font, QWidget *parent) : QWidget(parent), painter_(font, false)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(font); // the font of the "t" and "y" it prints
}

void PictureArea::resizeEvent(QResizeEvent *) { fitImage(); }

void PictureArea::fitImage()
{
    // Opaque, so that showing it is a copy rather than a blend.
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(toQColor(colour::background));
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = std::move(grown);
}

void PictureArea::draw(const std::vector<Primitive> &ops)
{
    if (ops.empty())
        return;
    if (image_.size() != size())
        fitImage();
    const QRect changed = painter_.drawnRect(ops, 0, image_.size());
    QPainter painter(&image_);
    painter_.replay(painter, image_.size(), ops);
    painter.end();
    RepaintPacer::of(*this).changed(*this, changed);
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ondel
