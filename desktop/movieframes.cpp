// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieframes.h"

#include "fonts.h"

namespace ondel {

namespace {

const ControlSpec *pictureControl(const WindowLayout &layout)
{
    for (const ControlSpec &control : layout.controls)
        if (control.kind == ControlKind::Picture)
            return &control;
    return nullptr;
}

QFont pictureFont(const WindowLayout &layout)
{
    const ControlSpec *control = pictureControl(layout);
    return controlFont(control ? control->font : std::nullopt);
}

} // namespace

MovieFrames::MovieFrames(const Demonstrator &program, const QImage *picture)
    : recording_(program), window_(recording_.layout(), 1), pictureShown_(program.state().pictureVisible),
      picturePainter_(pictureFont(recording_.layout()), false)
{
    const auto place = window_.pictureRect();
    if (!place)
        return;
    picture_ = QImage(place->size(), QImage::Format_RGB32);
    picture_.fill(toQColor(colour::background));
    if (picture && !picture->isNull()) {
        // On screen it may be zoomed: back to the window's logical size.
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(picture_.rect(), *picture);
    }
}

std::optional<MovieFrames::Frame> MovieFrames::next()
{
    const auto frame = recording_.next();
    if (!frame)
        return std::nullopt;
    if (!frame->picture.empty() && !picture_.isNull()) {
        QPainter painter(&picture_);
        picturePainter_.replay(painter, picture_.size(), frame->picture);
    }
    const bool shown = pictureShown_ && !picture_.isNull();
    return Frame{window_.draw(frame->window, shown ? &picture_ : nullptr), frame->delay};
}

} // namespace ondel
