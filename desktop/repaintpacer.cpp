// SPDX-License-Identifier: GPL-3.0-or-later
#include "repaintpacer.h"

#include <QWidget>

#include <algorithm>

namespace ondel {

RepaintPacer::RepaintPacer(QWidget &window, std::chrono::milliseconds interval)
    : QObject(&window), window_(window), interval_(interval)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RepaintPacer::repaint);
}

RepaintPacer &RepaintPacer::of(QWidget &widget)
{
    QWidget *window = widget.window();
    if (auto *pacer = window->findChild<RepaintPacer *>(QString(), Qt::FindDirectChildrenOnly))
        return *pacer;
    return *new RepaintPacer(*window); // owned by the window
}

void RepaintPacer::changed(const QWidget &widget, const QRect &rect)
{
    if (rect.isEmpty())
        return;
    pending_ |= QRect(widget.mapTo(&window_, rect.topLeft()), rect.size());
    if (std::find(widgets_.begin(), widgets_.end(), &widget) == widgets_.end())
        widgets_.emplace_back(const_cast<QWidget *>(&widget));
    if (timer_.isActive())
        return;
    const auto since = std::chrono::milliseconds(sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : interval_.count());
    timer_.start(std::max(std::chrono::milliseconds(0), interval_ - since));
}

void RepaintPacer::repaint()
{
    // Each widget repaints its share of the one rectangle, not only what it
    // changed, so that the window shows them together as one rectangle.
    for (const QPointer<QWidget> &widget : widgets_)
        if (widget)
            widget->update(QRect(widget->mapFrom(&window_, pending_.topLeft()), pending_.size()) & widget->rect());
    widgets_.clear();
    pending_ = QRect();
    sinceRepaint_.start();
}

} // namespace ondel
