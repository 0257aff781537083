// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/measure_pointer.h"

#include "shell/lesson/measure_overlay.h"

#include <cmath>

namespace ondel {

namespace {

using measure::grabReach;

bool near(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y) <= grabReach; }

Point minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

bool onRuler(const Measure &measure, Point at)
{
    const MeasureState &s = measure.state();
    const double end = s.rulerStart.x + measure.rulerSpacings() * measure::spacing;
    return at.x >= s.rulerStart.x - grabReach && at.x <= end + grabReach &&
           std::fabs(at.y - s.rulerStart.y) <= grabReach;
}

} // namespace

bool MeasurePointer::down(Measure &measure, Point at)
{
    grip_ = Grip::None;
    const MeasureState &s = measure.state();
    if (!s.shown)
        return false;
    const measure::Box panel{0, 0, measure::stopwatchWidth, measure::stopwatchHeight};
    if (measure::startStopButton.from(s.stopwatchAt).contains(at)) {
        measure.startOrStop();
        return true;
    }
    if (measure::resetButton.from(s.stopwatchAt).contains(at)) {
        measure.reset();
        return true;
    }
    // The topmost first, as they are drawn: the marker over the ruler.
    if (panel.from(s.stopwatchAt).contains(at)) {
        grip_ = Grip::Stopwatch;
        offset_ = minus(at, s.stopwatchAt);
    } else if (near(at, measure::markerHandle(s))) {
        grip_ = Grip::Marker;
        offset_ = minus(at, {s.rulerStart.x + s.markerOffset, at.y});
    } else if (onRuler(measure, at)) {
        grip_ = Grip::Ruler;
        offset_ = minus(at, s.rulerStart);
    } else if (std::fabs(at.y - s.referenceY) <= grabReach) {
        grip_ = Grip::ReferenceLine;
        offset_ = {0, at.y - s.referenceY};
    }
    return grip_ != Grip::None;
}

bool MeasurePointer::move(Measure &measure, Point at, bool free)
{
    const MeasureState before = measure.state();
    const Point to = minus(at, offset_);
    switch (grip_) {
    case Grip::None:
        return false;
    case Grip::Ruler:
        measure.moveRuler(to, free);
        break;
    case Grip::Marker:
        measure.moveMarker(to.x);
        break;
    case Grip::ReferenceLine:
        measure.moveReferenceLine(to.y);
        break;
    case Grip::Stopwatch:
        measure.moveStopwatch(to);
        break;
    }
    return !(measure.state() == before);
}

} // namespace ondel
