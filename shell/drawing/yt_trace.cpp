// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/drawing/yt_trace.h"

#include "shell/state/geometry.h"
#include "shell/state/numeric.h"

namespace ondel {

namespace {

using geometry::timeAxisY;

constexpr Point timeAxisStart{geometry::rowLeft, timeAxisY};
constexpr Point displacementAxisTop{1000, 400};
constexpr Point displacementAxisBottom{1000, 2400};

double stored(bool rounded, double value) { return rounded ? toInt16(value) : value; }

} // namespace

TraceConfig pulseTraceConfig(bool oldestRounded)
{
    TraceConfig config;
    config.oldestRounded = oldestRounded;
    return config;
}

void toggleTrace(WindowState &state, const TraceConfig &config, const TracedY &tracedY, DrawList &picture)
{
    if (state.ytColumn != 0) {
        state.ytColumn = 0;
        state.pictureVisible = false;
        return;
    }
    state.ytColumn = 5;
    const std::int64_t t = state.timeIndex;
    state.ytPrevY1 = tracedY(t);
    if (config.historyDepth == 3) {
        state.ytPrevY2 = tracedY(t - 1);
        state.ytPrevY3 = stored(config.oldestRounded, tracedY(t - 2));
    } else {
        state.ytPrevY2 = stored(config.oldestRounded, tracedY(t - 1));
    }
    state.pictureVisible = true;
    picture.clear();
    picture.lineWidth(4);
    picture.line(timeAxisStart, {geometry::timeAxisEndWhenSwitchedOn, timeAxisY});
    picture.line(displacementAxisTop, displacementAxisBottom);
}

bool tracePointDue(const WindowState &state, int particle)
{
    return particle == state.tracedParticle && state.ytColumn != 0 &&
           (state.runStep != 0 || state.stepPending);
}

void addTracePoint(WindowState &state, const TraceConfig &config, double y, DrawList &picture)
{
    const auto toPicture = [&](double windowY) { return config.scale * windowY + config.offset; };
    const double w = config.columnWidth;
    const double c = state.ytColumn;
    const Point newest{w * c, toPicture(y)};
    const Point previous{w * (c - 1), toPicture(state.ytPrevY1)};
    const Point second{w * (c - 2), toPicture(state.ytPrevY2)};

    picture.lineWidth(4);
    picture.line(timeAxisStart, {geometry::timeAxisEnd, timeAxisY});
    picture.line(displacementAxisTop, displacementAxisBottom);
    picture.text({11000, 800}, "t");
    picture.text({600, 50}, "y");
    picture.circle(previous, 200, colour::background, colour::background);
    if (state.tracedParticle == 6)
        picture.circle(newest, 200, config.redMarkerFill, config.redMarkerRim);
    else
        picture.circle(newest, 200, colour::green, colour::green);
    picture.line(previous, newest);
    picture.line(second, previous);
    if (config.historyDepth == 3)
        picture.line({w * (c - 3), toPicture(state.ytPrevY3)}, second);

    state.ytColumn += 1;
    if (state.ytColumn > config.columnCount)
        state.ytColumn = 1;
    if (config.historyDepth == 3) {
        state.ytPrevY3 = stored(config.oldestRounded, state.ytPrevY2);
        state.ytPrevY2 = state.ytPrevY1;
    } else {
        state.ytPrevY2 = stored(config.oldestRounded, state.ytPrevY1);
    }
    state.ytPrevY1 = y;
    state.stepPending = false;
}

} // namespace ondel
