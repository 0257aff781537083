// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.h"

#include "twips.h"

#include <algorithm>

namespace ondel {

double Scale::pixels(double twips) const { return pixelsOf(twips) * factor; }

int Scale::wholePixels(int twips) const { return qRound(pixels(twips)); }

QRect Scale::place(const Rect &rect) const
{
    return {wholePixels(rect.left), wholePixels(rect.top), wholePixels(rect.width), wholePixels(rect.height)};
}

QSize Scale::size(QSize clientTwips) const
{
    return {wholePixels(clientTwips.width()), wholePixels(clientTwips.height())};
}

namespace zoom {

int largestFittingStep(QSize clientTwips, QSize frame, QSize available)
{
    int largest = steps.front();
    for (const int percent : steps) {
        const QSize window = Scale{percent / 100.0, {}}.size(clientTwips) + frame;
        if (window.width() <= available.width() && window.height() <= available.height())
            largest = percent;
    }
    return largest;
}

int nextStep(int percent, int direction, int largest)
{
    if (direction > 0) {
        const auto next = std::upper_bound(steps.begin(), steps.end(), percent);
        return next != steps.end() && *next <= largest ? *next : percent;
    }
    const auto here = std::lower_bound(steps.begin(), steps.end(), percent);
    return here != steps.begin() ? *std::prev(here) : percent;
}

Scale filling(QSize clientTwips, QSize screen)
{
    Scale scale;
    scale.factor = std::min(twipsOf(screen.width()) / clientTwips.width(), twipsOf(screen.height()) / clientTwips.height());
    const QSize shown = scale.size(clientTwips);
    scale.origin = {(screen.width() - shown.width()) / 2, (screen.height() - shown.height()) / 2};
    return scale;
}

} // namespace zoom

} // namespace ondel
