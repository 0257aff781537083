// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/layout.h"
#include "shell/state/zoom_steps.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// The window on a projector: the scale it is shown at, the zoom steps of
// Ctrl+plus and Ctrl+minus, the largest step a screen holds, and the scale
// at which F11 fills a screen. Pure arithmetic on the client area's twips.
namespace ondel {

// How twips land on the screen: a length of t twips is t / 15 × factor
// pixels, and the client area's top-left corner is at `origin`, in pixels of
// the window. At factor 1 and origin (0, 0) every place is the layout's own.
struct Scale {
    double factor = 1.0;
    QPoint origin;

    double pixels(double twips) const;
    int wholePixels(int twips) const;
    // A control's place, relative to its parent (the origin not added), on
    // whole pixels: at factor 1 each of its numbers is the layout's / 15.
    QRect place(const Rect &rect) const;
    // The client area's size, `clientTwips` large, on whole pixels.
    QSize size(QSize clientTwips) const;

    friend bool operator==(const Scale &, const Scale &) = default;
};

namespace zoom {

// The largest step at which the client area (`clientTwips`) together with
// the window's frame (`frame` pixels, the sum of both sides each way) fits
// `available` pixels; 100 when not even that does.
int largestFittingStep(QSize clientTwips, QSize frame, QSize available);

// The step after `percent` (a step) towards `direction` (1 larger, -1
// smaller), never beyond `largest`; `percent` itself where there is none.
int nextStep(int percent, int direction, int largest);

// The largest scale at which the client area fits `screen`, which need not
// be a step, centred on it.
Scale filling(QSize clientTwips, QSize screen);

} // namespace zoom

} // namespace ondel
