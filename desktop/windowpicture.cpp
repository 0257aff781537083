// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowpicture.h"

#include "fonts.h"
#include "twips.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace ondel {

namespace {

QRect scaledRect(const Rect &r, int scale)
{
    return {wholePixelsOf(r.left) * scale, wholePixelsOf(r.top) * scale, wholePixelsOf(r.width) * scale,
            wholePixelsOf(r.height) * scale};
}

// The axis letters ("y", "X") are labels on the window but part of the
// drawing; the other labels name controls that the picture leaves out.
bool isAxisLetter(const ControlSpec &control)
{
    return control.kind == ControlKind::Label && control.caption.size() == 1;
}

void drawAxisLetters(QPainter &painter, const WindowLayout &layout, int scale)
{
    painter.setPen(Qt::black);
    for (const ControlSpec &control : layout.controls) {
        if (!isAxisLetter(control))
            continue;
        painter.setFont(controlFont(control.font, scale));
        painter.drawText(scaledRect(control.rect, scale), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(control.caption)); // as a label sets it
    }
}

} // namespace

WindowPicture::WindowPicture(const WindowLayout &layout, int scale)
    : layout_(layout), scale_(scale),
      size_(wholePixelsOf(layout.clientWidth) * scale, wholePixelsOf(layout.clientHeight) * scale),
      painter_(controlFont(frameTextFont))
{
    painter_.setScale(scale);
    const auto control = std::find_if(layout.controls.begin(), layout.controls.end(),
                                      [](const ControlSpec &c) { return c.kind == ControlKind::Picture; });
    if (control != layout.controls.end())
        pictureRect_ = scaledRect(control->rect, scale);
}

QImage WindowPicture::draw(const std::vector<Primitive> &frame, const QImage *picture)
{
    QImage image(size_, QImage::Format_RGB32);
    image.fill(toQColor(colour::background));
    QPainter painter(&image);
    painter_.replay(painter, size_, frame);
    drawAxisLetters(painter, layout_, scale_);
    if (picture && pictureRect_) {
        const QRect place = *pictureRect_;
        painter.drawImage(place, *picture);
        // The picture's frame, its outermost pixels as on screen.
        const QRect inside = place.adjusted(scale_, scale_, -scale_, -scale_);
        for (const QRect &edge : QRegion(place).subtracted(inside))
            painter.fillRect(edge, Qt::black);
    }
    return image;
}

} // namespace ondel
