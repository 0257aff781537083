// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

#include <memory>

namespace ondel {

// The application's style with its indicators as large as the window's zoom:
// a radio button's circle grows with its caption and its box (so a caption
// too wide for the box stays hidden, as at 100%), a scroll bar's buttons
// with the bar. At 100% it is the application's style, pixel for pixel.
class ZoomStyle : public QProxyStyle {
public:
    // A copy of the application's style as the base; nullptr where there is
    // none to copy (a style no factory makes).
    static std::unique_ptr<ZoomStyle> create();

    void setFactor(double factor) { factor_ = factor; }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;

private:
    using QProxyStyle::QProxyStyle;

    double factor_ = 1.0;
};

} // namespace ondel
