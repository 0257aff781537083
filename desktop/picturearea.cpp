// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include <QPaintEvent>

#include <algorithm>
#include <cstring>

namespace ondel {

namespace {

// Copies the pixels of `boxes` in `image` to `kept`, one box after another.
void keep(const QImage &image, const std::vector<QRect> &boxes, std::vector<QRgb> &kept)
{
    std::size_t size = 0;
    for (const QRect &box : boxes)
        size += static_cast<std::size_t>(box.width()) * static_cast<std::size_t>(box.height());
    kept.resize(size);
    QRgb *to = kept.data();
    for (const QRect &box : boxes)
        for (int y = box.top(); y <= box.bottom(); ++y, to += box.width())
            std::memcpy(to, reinterpret_cast<const QRgb *>(image.constScanLine(y)) + box.x(),
                        box.width() * sizeof(QRgb));
}

// The pixels of `boxes` in `image` that are no longer those `kept` of them.
QRect differing(const QImage &image, const std::vector<QRect> &boxes, const std::vector<QRgb> &kept)
{
    QRect changed;
    const QRgb *was = kept.data();
    for (const QRect &box : boxes) {
        const auto width = static_cast<std::size_t>(box.width());
        for (int y = box.top(); y <= box.bottom(); ++y, was += width) {
            const QRgb *now = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + box.x();
            if (std::memcmp(now, was, width * sizeof(QRgb)) == 0)
                continue;
            std::size_t first = 0;
            while (now[first] == was[first])
                ++first;
            std::size_t last = width - 1;
            while (now[last] == was[last])
                --last;
            changed |= QRect(box.x() + static_cast<int>(first), y, static_cast<int>(last - first + 1), 1);
        }
    }
    return changed;
}

} // namespace

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
    // The axes and letters drawn again at every tick change few pixels or
    // none: only the pixels that did change are shown again, found by
    // keeping what lay under every shape before it was drawn.
    const std::vector<QRect> touched = painter_.drawnBoxes(ops, image_.size());
    keep(image_, touched, underShapes_);
    QPainter painter(&image_);
    painter_.replay(painter, image_.size(), ops);
    painter.end();
    remember(ops);
    RepaintPacer::of(*this).changed(*this, differing(image_, touched, underShapes_));
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
