// SPDX-License-Identifier: GPL-3.0-or-later
#include "repaintpacer.h"

#include <QWidget>

#include <algorithm>

namespace ondel {

RepaintPacer::RepaintPacer(QWidget &widget, std::chrono::milliseconds interval) : widget_(widget), interval_(interval)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &widget, [this] { repaint(); });
}

void RepaintPacer::changed(const QRect &rect)
{
    pending_ |= rect;
    if (timer_.isActive())
        return;
    const auto since = std::chrono::milliseconds(sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : interval_.count());
    timer_.start(std::max(std::chrono::milliseconds(0), interval_ - since));
}

void RepaintPacer::repaint()
{
    widget_.update(pending_);
    pending_ = QRegion();
    sinceRepaint_.start();
}

} // namespace ondel
