// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/primitive_printing.h"

#include "shell/drawing/yt_trace.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace ondel {
namespace {

using Ops = std::vector<Primitive>;

// The picture after switching the trace on: cleared, 4 pixels, both axes.
const Ops switchedOnPicture{
    ClearOp{},
    LineWidthOp{4},
    LineOp{{200, 1400}, {11500, 1400}, colour::black},
    LineOp{{1000, 400}, {1000, 2400}, colour::black},
};

// A traced particle whose window y at each time is given by a table; every
// time asked for is remembered.
struct TracedParticle {
    std::map<std::int64_t, double> yAt;
    std::vector<std::int64_t> asked;

    TracedY function()
    {
        return [this](std::int64_t t) {
            asked.push_back(t);
            const auto it = yAt.find(t);
            return it == yAt.end() ? 3000.0 : it->second;
        };
    }
};

TEST(TraceSwitch, SeedsTheHistoryFromTheThreeLatestTimes)
{
    struct Row {
        const char *name;
        bool oldestRounded;
        double oldestY;
        double expectedPrevY3;
    };
    const Row rows[] = {
        {"ordinary value", true, 2975.4, 2975},
        {"half rounds up to even", true, 2975.5, 2976},
        {"half rounds down to even", true, 2976.5, 2976},
        {"negative half to even", true, -2.5, -2},
        {"far below the window is clamped", true, 40000.6, 32767},
        {"far above the window is clamped", true, -40000.6, -32768},
        {"unrounded slot keeps the real", false, 2975.5, 2975.5},
        {"unrounded slot keeps a far value", false, 40000.6, 40000.6},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.timeIndex = 100;
        TracedParticle particle;
        particle.yAt = {{100, 2500.25}, {99, 2600.75}, {98, row.oldestY}};
        DrawList picture;
        toggleTrace(state, pulseTraceConfig(row.oldestRounded), particle.function(), picture);
        EXPECT_EQ(state.ytColumn, 5) << row.name;
        EXPECT_DOUBLE_EQ(state.ytPrevY1, 2500.25) << row.name;
        EXPECT_DOUBLE_EQ(state.ytPrevY2, 2600.75) << row.name;
        EXPECT_DOUBLE_EQ(state.ytPrevY3, row.expectedPrevY3) << row.name;
    }
}

TEST(TraceSwitch, AsksForTimesBeforeZeroWithoutWrapping)
{
    for (const std::int64_t now : {0, 1, 2880}) {
        WindowState state;
        state.timeIndex = now;
        TracedParticle particle;
        DrawList picture;
        toggleTrace(state, pulseTraceConfig(true), particle.function(), picture);
        EXPECT_EQ(particle.asked, (std::vector<std::int64_t>{now, now - 1, now - 2})) << "at time " << now;
    }
}

TEST(TraceSwitch, OnClearsAndDrawsAxesOffHidesAndKeepsOnAgainRestarts)
{
    WindowState state;
    TracedParticle particle;
    DrawList picture;
    const TraceConfig config = pulseTraceConfig(true);

    toggleTrace(state, config, particle.function(), picture);
    EXPECT_TRUE(state.pictureVisible);
    EXPECT_EQ(picture.take(), switchedOnPicture);

    addTracePoint(state, config, 2000, picture);
    picture.reset();
    EXPECT_EQ(state.ytColumn, 6);

    toggleTrace(state, config, particle.function(), picture);
    EXPECT_EQ(state.ytColumn, 0);
    EXPECT_FALSE(state.pictureVisible);
    EXPECT_TRUE(picture.empty()) << "switching off must not wipe the trace drawn so far";

    toggleTrace(state, config, particle.function(), picture);
    EXPECT_EQ(state.ytColumn, 5);
    EXPECT_TRUE(state.pictureVisible);
    EXPECT_EQ(picture.take(), switchedOnPicture);
}

TEST(TraceSwitch, DepthTwoSeedsTwoTimesAndRoundsTheSecond)
{
    WindowState state;
    state.timeIndex = 10;
    state.ytPrevY3 = 1234; // not part of a depth-2 history
    TracedParticle particle;
    particle.yAt = {{10, 1900.5}, {9, 2100.5}};
    DrawList picture;
    const TraceConfig config{250, 48, 2, true};
    toggleTrace(state, config, particle.function(), picture);
    EXPECT_EQ(particle.asked, (std::vector<std::int64_t>{10, 9}));
    EXPECT_DOUBLE_EQ(state.ytPrevY1, 1900.5);
    EXPECT_DOUBLE_EQ(state.ytPrevY2, 2100);
    EXPECT_DOUBLE_EQ(state.ytPrevY3, 1234);
}

TEST(TracePoint, DueOnlyForTheTracedParticleWhileOnAndMoving)
{
    struct Row {
        const char *name;
        int particle, ytColumn, runStep;
        bool stepPending;
        bool due;
    };
    const Row rows[] = {
        {"running forward", 6, 5, 1, false, true},
        {"running backward", 6, 5, -1, false, true},
        {"stopped", 6, 5, 0, false, false},
        {"stopped after a single step", 6, 5, 0, true, true},
        {"another particle", 5, 5, 1, false, false},
        {"trace off", 6, 0, 1, true, false},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.ytColumn = row.ytColumn;
        state.runStep = row.runStep;
        state.stepPending = row.stepPending;
        EXPECT_EQ(tracePointDue(state, row.particle), row.due) << row.name;
    }
}

TEST(TracePoint, ErasesTheLastMarkerDrawsTheNewOneAndRepairsTheSegments)
{
    WindowState state;
    state.ytColumn = 10;
    state.ytPrevY1 = 2800;
    state.ytPrevY2 = 2600;
    state.ytPrevY3 = 2400;
    state.stepPending = true;
    DrawList picture;
    addTracePoint(state, pulseTraceConfig(true), 3000, picture);

    const Point newest{1250, 1400}, previous{1125, 1300}, second{1000, 1200}, third{875, 1100};
    const Ops expected{
        LineWidthOp{4},
        LineOp{{200, 1400}, {12000, 1400}, colour::black},
        LineOp{{1000, 400}, {1000, 2400}, colour::black},
        TextOp{{11000, 800}, "t"},
        TextOp{{600, 50}, "y"},
        CircleOp{previous, 200, colour::background, colour::background},
        CircleOp{newest, 200, colour::magenta, colour::red},
        LineOp{previous, newest, colour::black},
        LineOp{second, previous, colour::black},
        LineOp{third, second, colour::black},
    };
    EXPECT_EQ(picture.take(), expected);
    EXPECT_FALSE(state.stepPending);
}

TEST(TracePoint, MarkerColourFollowsTheTracedParticle)
{
    struct Row {
        int particle;
        Rgb fill, rim;
    };
    for (const Row row : {Row{6, colour::magenta, colour::red}, Row{1, colour::green, colour::green}}) {
        WindowState state;
        state.ytColumn = 5;
        state.tracedParticle = row.particle;
        DrawList picture;
        addTracePoint(state, pulseTraceConfig(true), 3000, picture);
        const auto &marker = std::get<CircleOp>(picture.ops().at(6));
        EXPECT_EQ(marker.centre, (Point{625, 1400})) << "particle " << row.particle;
        EXPECT_EQ(marker.fill, row.fill) << "particle " << row.particle;
        EXPECT_EQ(marker.rim, row.rim) << "particle " << row.particle;
    }
}

TEST(TracePoint, ShiftsTheHistoryAndRoundsOnlyTheOldestSlot)
{
    struct Row {
        const char *name;
        TraceConfig config;
        double expectedY2, expectedY3;
    };
    // Before: Y1 2999.5, Y2 2222.5, Y3 1000; new point at 2500.25.
    const Row rows[] = {
        {"depth 3 rounded", pulseTraceConfig(true), 2999.5, 2222},
        {"depth 3 unrounded", pulseTraceConfig(false), 2999.5, 2222.5},
        {"depth 2 rounds the second slot", TraceConfig{250, 48, 2, true}, 3000, 1000},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.ytColumn = 5;
        state.ytPrevY1 = 2999.5;
        state.ytPrevY2 = 2222.5;
        state.ytPrevY3 = 1000;
        DrawList picture;
        addTracePoint(state, row.config, 2500.25, picture);
        EXPECT_DOUBLE_EQ(state.ytPrevY1, 2500.25) << row.name;
        EXPECT_DOUBLE_EQ(state.ytPrevY2, row.expectedY2) << row.name;
        EXPECT_DOUBLE_EQ(state.ytPrevY3, row.expectedY3) << row.name;
    }
}

TEST(TracePoint, AFarOffPointIsClampedIntoTheSixteenBitSlot)
{
    WindowState state;
    state.ytColumn = 5;
    DrawList picture;
    const TraceConfig config = pulseTraceConfig(true);
    for (const double y : {1e6, -1e6, 3000.0})
        addTracePoint(state, config, y, picture);
    EXPECT_DOUBLE_EQ(state.ytPrevY3, 32767);
    EXPECT_DOUBLE_EQ(state.ytPrevY2, -1e6);
}

TEST(TracePoint, WrapsToColumnOneAfterTheLastColumn)
{
    struct Row {
        const char *name;
        TraceConfig config;
        double lastX, firstX;
        std::size_t segments;
    };
    const Row rows[] = {
        {"96 columns of 125", pulseTraceConfig(true), 12000, 125, 3},
        {"48 columns of 250, depth 2", TraceConfig{250, 48, 2, true}, 12000, 250, 2},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.ytColumn = row.config.columnCount;
        DrawList picture;
        addTracePoint(state, row.config, 3000, picture);
        EXPECT_EQ(std::get<CircleOp>(picture.ops().at(6)).centre.x, row.lastX) << row.name;
        EXPECT_EQ(state.ytColumn, 1) << row.name;

        picture.reset();
        addTracePoint(state, row.config, 3000, picture);
        EXPECT_EQ(state.ytColumn, 2) << row.name;
        const Ops &ops = picture.ops();
        ASSERT_EQ(ops.size(), 7 + row.segments) << row.name;
        EXPECT_EQ(std::get<CircleOp>(ops[5]).centre.x, 0) << row.name << ": the eraser at column 0";
        EXPECT_EQ(std::get<CircleOp>(ops[6]).centre.x, row.firstX) << row.name;
        // Segments run off the left edge of the picture.
        const double w = row.config.columnWidth;
        for (std::size_t k = 0; k < row.segments; ++k) {
            const auto &segment = std::get<LineOp>(ops[7 + k]);
            EXPECT_EQ(segment.to.x, row.firstX - w * static_cast<double>(k)) << row.name << " segment " << k;
            EXPECT_EQ(segment.from.x, row.firstX - w * static_cast<double>(k + 1)) << row.name << " segment " << k;
        }
    }
}

TEST(TracePoint, MapsTheRowAxisOntoTheTimeAxis)
{
    struct Row {
        const char *name;
        TraceConfig config;
        double windowY, pictureY;
    };
    TraceConfig standing{250, 48, 2, true};
    standing.scale = 1;
    standing.offset = -600;
    const Row rows[] = {
        {"pulse programs, rest", pulseTraceConfig(true), 3000, 1400},
        {"pulse programs, one unit up", pulseTraceConfig(true), 2000, 900},
        {"standing-wave mapping, rest", standing, 2000, 1400},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.ytColumn = 5;
        DrawList picture;
        addTracePoint(state, row.config, row.windowY, picture);
        EXPECT_EQ(std::get<CircleOp>(picture.ops().at(6)).centre.y, row.pictureY) << row.name;
    }
}

} // namespace
} // namespace ondel
