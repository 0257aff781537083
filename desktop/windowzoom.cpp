// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowzoom.h"

#include "caption.h"
#include "fonts.h"
#include "framecanvas.h"
#include "picturearea.h"
#include "zoomstyle.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ondel {

WindowZoom::WindowZoom(QWidget &window, QSize clientTwips, FrameCanvas &canvas)
    : window_(window), clientTwips_(clientTwips), canvas_(canvas), style_(ZoomStyle::create())
{
    window_.resize(scale_.size(clientTwips_));
    canvas_.setGeometry(window_.rect());
}

WindowZoom::~WindowZoom() = default;

void WindowZoom::add(QWidget *widget, const ControlSpec &entry)
{
    controls_.emplace_back(widget, &entry);
    if (style_)
        widget->setStyle(style_.get());
    place(*widget, entry);
}

bool WindowZoom::canZoomIn() const
{
    return !window_.isFullScreen() && zoom::nextStep(percent_, 1, largestStep()) != percent_;
}

bool WindowZoom::canZoomOut() const { return !window_.isFullScreen() && percent_ != zoom::steps.front(); }

void WindowZoom::zoomIn() { setPercent(zoom::nextStep(percent_, 1, largestStep())); }

void WindowZoom::zoomOut() { setPercent(zoom::nextStep(percent_, -1, largestStep())); }

void WindowZoom::reset() { setPercent(zoom::steps.front()); }

Scale WindowZoom::stepScale() const { return {percent_ / 100.0, {}}; }

QSize WindowZoom::frame() const { return window_.frameGeometry().size() - window_.size(); }

int WindowZoom::largestStep() const
{
    const QScreen *screen = window_.screen();
    return zoom::largestFittingStep(clientTwips_, frame(), screen ? screen->availableGeometry().size() : QSize());
}

void WindowZoom::setPercent(int percent)
{
    if (window_.isFullScreen() || percent == percent_)
        return;
    percent_ = percent;
    apply(stepScale());
    window_.setGeometry(QRect(window_.geometry().topLeft(), scale_.size(clientTwips_)).translated(shiftOntoScreen()));
}

QPoint WindowZoom::shiftOntoScreen() const
{
    // The window's frame at the new size, kept on the screen's available area.
    const QScreen *screen = window_.screen();
    if (!screen || !window_.isVisible())
        return {};
    const QRect area = screen->availableGeometry();
    const QPoint at = window_.frameGeometry().topLeft();
    const QSize outer = scale_.size(clientTwips_) + frame();
    const int x = std::max(area.left(), std::min(at.x(), area.left() + area.width() - outer.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.top() + area.height() - outer.height()));
    return QPoint(x, y) - at;
}

void WindowZoom::windowResized()
{
    if (window_.isFullScreen()) {
        if (!window_.size().isEmpty())
            apply(zoom::filling(clientTwips_, window_.size()));
        return;
    }
    if (scale_ != stepScale())
        apply(stepScale()); // back from full screen
    // The drawing goes on beyond the client area where the teacher widens the window.
    canvas_.setGeometry(window_.rect());
}

void WindowZoom::apply(const Scale &scale)
{
    scale_ = scale;
    if (style_)
        style_->setFactor(scale.factor);
    for (const auto &[widget, entry] : controls_)
        place(*widget, *entry);
    canvas_.setScale(scale.factor);
    canvas_.setGeometry(QRect(scale.origin, scale.size(clientTwips_)));
    window_.update(); // the background around a client area that fills the screen
}

void WindowZoom::place(QWidget &widget, const ControlSpec &entry) const
{
    // Before its new size, so that what the picture holds is drawn anew at it, not cut.
    if (auto *picture = qobject_cast<PictureArea *>(&widget))
        picture->setScale(scale_.factor);
    const QRect at = scale_.place(entry.rect);
    widget.setGeometry(entry.frame.empty() ? at.translated(scale_.origin) : at);
    widget.setFont(controlFont(entry.font, scale_.factor));
    if (auto *button = qobject_cast<QPushButton *>(&widget))
        button->setText(wrappedCaption(QString::fromStdString(entry.caption), button->fontMetrics(), at.width()));
}

} // namespace ondel
