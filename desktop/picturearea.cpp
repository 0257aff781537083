// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include <QPaintEvent>

#include <algorithm>

namespace ondel {

PictureArea::PictureArea(const QFont &font, QWidget *parent, std::size_t historyLimit)
    : QWidget(parent), painter_(font, false), historyLimit_(historyLimit)
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

void PictureArea::setScale(double factor)
{
    const double from = painter_.scale();
    if (factor == from)
        return;
    painter_.setScale(factor);
    if (image_.isNull())
        return;
    const QSize size = image_.size() * (factor / from);
    if (historyWhole_) {
        image_ = QImage(size, QImage::Format_RGB32);
        image_.fill(toQColor(colour::background));
        QPainter painter(&image_);
        painter_.replay(painter, size, history_);
    } else {
        image_ = image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    update();
}

void PictureArea::remember(const std::vector<Primitive> &ops)
{
    for (const Primitive &op : ops) {
        if (std::holds_alternative<ClearOp>(op)) {
            // A fresh start, in the line width the clear found.
            history_.assign({LineWidthOp{lineWidth_}});
            historyWhole_ = true;
        } else if (const auto *width = std::get_if<LineWidthOp>(&op)) {
            lineWidth_ = width->pixels;
        }
        if (historyWhole_)
            history_.push_back(op);
    }
    if (history_.size() > historyLimit_) {
        history_ = {};
        historyWhole_ = false;
    }
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
    remember(ops);
    RepaintPacer::of(*this).changed(*this, changed);
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
    // The border grows with the zoom, as the lines inside do.
    const int border = std::max(1, qRound(painter_.scale()));
    const QRect inside = rect().adjusted(border, border, -border, -border);
    for (const QRect &edge : QRegion(rect()).subtracted(inside))
        painter.fillRect(edge, Qt::black);
}

} // namespace ondel
