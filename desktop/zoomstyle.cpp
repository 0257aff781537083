// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomstyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace ondel {

std::unique_ptr<ZoomStyle> ZoomStyle::create()
{
    QStyle *base = QStyleFactory::create(QApplication::style()->name()); // owned by the proxy
    return base ? std::unique_ptr<ZoomStyle>(new ZoomStyle(base)) : nullptr;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
        return qRound(pixels * factor_);
    default:
        return pixels;
    }
}

} // namespace ondel
