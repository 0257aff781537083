// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include <QPaintEvent>

#include <algorithm>

namespace ondel {

PictureArea::PictureArea(const QFont &font, QWidget *parent) : QWidget(parent), painter_(font, false), pacer_(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(font); // the font of the "t" and "y" it prints
}

void PictureArea::resizeEvent(QResizeEvent *) { fitImage(); }

void PictureArea::fitImage()
{
    QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
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
    const bool wiped = std::any_of(ops.begin(), ops.end(), [](const Primitive &op) { return std::holds_alternative<ClearOp>(op); });
    const QRect changed = wiped ? rect() : painter_.drawnExtent(ops);
    QPainter painter(&image_);
    painter_.replay(painter, image_.size(), ops);
    painter.end();
    pacer_.changed(changed);
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ondel
