// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/measure.h"

#include "shell/state/geometry.h"

#include <algorithm>
#include <cmath>

namespace ondel {

namespace {

// Where the tools first stand: the ruler's 0 mark under particle 1 (where
// the y axis stands) a little below the row's troughs, its marker two
// spacings on, the reference line at the height of a displacement of 1,
// the stopwatch at the right clear of the "X" labels.
constexpr int firstRulerParticle = 1;
constexpr double rulerBelowAxis = 900;
constexpr double firstMarkerOffset = 2 * measure::spacing;
constexpr double stopwatchRightGap = 700;
constexpr double stopwatchBelowControls = 60;

double snapped(double value, double origin, double step) { return origin + step * std::round((value - origin) / step); }

} // namespace

namespace measure {

std::string spacingsText(double twips)
{
    const long tenths = std::lround(twips / markerStep);
    const std::string sign = tenths < 0 ? "-" : "";
    const long whole = std::labs(tenths);
    return sign + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

std::string ticksText(std::int64_t ticks) { return std::to_string(ticks) + "コマ"; }

std::string tickMeaning(int ticksPerSpacing)
{
    return "1コマ: 波が粒子の間隔の1/" + std::to_string(ticksPerSpacing) + "進む";
}

} // namespace measure

Measure::Measure(Window window) : window_(window)
{
    state_.rulerStart = {geometry::particleX(firstRulerParticle), window.axisY + rulerBelowAxis};
    state_.markerOffset = firstMarkerOffset;
    state_.referenceY = window.axisY - geometry::nominalReach;
    state_.stopwatchAt = {window.width - measure::stopwatchWidth - stopwatchRightGap,
                          window.controlsBottom + stopwatchBelowControls};
}

void Measure::countTick()
{
    if (state_.stopwatch.running)
        ++state_.stopwatch.ticks;
}

int Measure::rulerSpacings() const
{
    const double room = window_.width - measure::rightMargin - state_.rulerStart.x;
    return std::max(1, static_cast<int>(std::floor(room / measure::spacing)));
}

void Measure::moveRuler(Point at, bool free)
{
    const double lastX = window_.width - measure::rightMargin - measure::spacing;
    double x = std::clamp(at.x, double{geometry::rowLeft}, lastX);
    if (!free) {
        x = snapped(x, geometry::rowLeft, measure::spacing);
        if (x > lastX)
            x -= measure::spacing;
    }
    state_.rulerStart = {x, std::clamp(at.y, 0.0, window_.height)};
    moveMarker(state_.rulerStart.x + state_.markerOffset); // a shorter ruler holds its marker on it
}

void Measure::moveMarker(double x)
{
    const double offset = snapped(x - state_.rulerStart.x, 0, measure::markerStep);
    state_.markerOffset = std::clamp(offset, 0.0, rulerSpacings() * measure::spacing);
}

void Measure::moveReferenceLine(double y) { state_.referenceY = std::clamp(y, 0.0, window_.height); }

void Measure::moveStopwatch(Point corner)
{
    state_.stopwatchAt = {std::clamp(corner.x, 0.0, std::max(0.0, window_.width - measure::stopwatchWidth)),
                          std::clamp(corner.y, 0.0, std::max(0.0, window_.height - measure::stopwatchHeight))};
}

} // namespace ondel
