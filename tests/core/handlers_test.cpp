// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondel {
namespace {

// A bounded clock (the pulse programs'), ondel10's longer one, and a free
// one (the standing-wave programs').
const Clock bounded = pulseClock(2880);
const Clock bounded31500 = pulseClock(31500);
const Clock unbounded = sineClock(100);

// The run states a teacher can reach, and what each run button does to them.
TEST(RunButtons, MoveBetweenRunningForwardBackwardAndStopped)
{
    enum class Button { Stop, Resume, Reverse };
    struct Row {
        const char *name;
        const Clock &clock;
        int runStep, direction;
        Button button;
        int expectedRunStep, expectedDirection;
    };
    const Row rows[] = {
        {"pulse: stop while forward", bounded, 1, 1, Button::Stop, 0, 1},
        {"pulse: stop while backward", bounded, -1, -1, Button::Stop, 0, -1},
        {"pulse: resume/stop stops forward", bounded, 1, 1, Button::Resume, 0, 1},
        {"pulse: resume/stop stops backward", bounded, -1, -1, Button::Resume, 0, -1},
        {"pulse: resume forward", bounded, 0, 1, Button::Resume, 1, 1},
        {"pulse: resume backward", bounded, 0, -1, Button::Resume, -1, -1},
        {"sine: resume keeps running forward", unbounded, 1, 1, Button::Resume, 1, 1},
        {"sine: resume keeps running backward", unbounded, -1, -1, Button::Resume, -1, -1},
        {"sine: resume forward", unbounded, 0, 1, Button::Resume, 1, 1},
        {"sine: resume backward", unbounded, 0, -1, Button::Resume, -1, -1},
        {"sine: stop while forward", unbounded, 1, 1, Button::Stop, 0, 1},
        {"reverse while forward", bounded, 1, 1, Button::Reverse, -1, -1},
        {"reverse while backward", bounded, -1, -1, Button::Reverse, 1, 1},
        {"reverse while stopped forward", bounded, 0, 1, Button::Reverse, 0, -1},
        {"reverse while stopped backward", unbounded, 0, -1, Button::Reverse, 0, 1},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.runStep = row.runStep;
        state.direction = row.direction;
        state.timeIndex = 100;
        switch (row.button) {
        case Button::Stop: stopOrStep(state, row.clock); break;
        case Button::Resume: resume(state, row.clock); break;
        case Button::Reverse: reverse(state); break;
        }
        EXPECT_EQ(state.runStep, row.expectedRunStep) << row.name;
        EXPECT_EQ(state.direction, row.expectedDirection) << row.name;
        EXPECT_EQ(state.timeIndex, 100) << row.name << ": only a single step moves time";
    }
}

TEST(SingleStep, WrapsAtABoundedClocksLimitAndRunsOnOtherwise)
{
    struct Row {
        const char *name;
        const Clock &clock;
        std::int64_t start;
        int direction;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"forward inside", bounded, 100, 1, 101},
        {"backward inside", bounded, 100, -1, 99},
        {"forward onto the limit", bounded, 2879, 1, 2880},
        {"forward past 2880", bounded, 2880, 1, 0},
        {"backward past 0", bounded, 0, -1, 2880},
        {"forward past 31500", bounded31500, 31500, 1, 0},
        {"backward past 0 to 31500", bounded31500, 0, -1, 31500},
        {"2880 is inside a 31500 clock", bounded31500, 2880, 1, 2881},
        {"free clock past 2880", unbounded, 2880, 1, 2881},
        {"free clock below 0", unbounded, 0, -1, -1},
        {"free clock further below 0", unbounded, -7, -1, -8},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.runStep = 0;
        state.direction = row.direction;
        state.timeIndex = row.start;
        stopOrStep(state, row.clock);
        EXPECT_EQ(state.timeIndex, row.expected) << row.name;
        EXPECT_EQ(state.runStep, 0) << row.name << ": a single step leaves the animation stopped";
    }
}

TEST(SingleStep, TimerAdvanceWrapsLikeTheSingleStep)
{
    struct Row {
        const char *name;
        const Clock &clock;
        std::int64_t start;
        int steps;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"stopped", bounded, 2880, 0, 2880},
        {"forward past the limit", bounded, 2880, 1, 0},
        {"backward past 0", bounded, 0, -1, 2880},
        {"ondel10 limit", bounded31500, 31500, 1, 0},
        {"free clock keeps counting", unbounded, 2880, 1, 2881},
        {"free clock goes negative", unbounded, 0, -1, -1},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.timeIndex = row.start;
        advanceTime(state, row.clock, row.steps);
        EXPECT_EQ(state.timeIndex, row.expected) << row.name;
    }
}

TEST(SingleStep, FirstPressOnlyStopsThenEachPressSteps)
{
    WindowState state;
    state.timeIndex = 42;
    stopOrStep(state, bounded);
    EXPECT_EQ(state.runStep, 0);
    EXPECT_EQ(state.timeIndex, 42);
    stopOrStep(state, bounded);
    EXPECT_EQ(state.timeIndex, 43);
    stopOrStep(state, bounded);
    EXPECT_EQ(state.timeIndex, 44);
    EXPECT_EQ(state.runStep, 0);
}

TEST(SingleStep, ReverseWhileStoppedThenResumeRunsTheOtherWay)
{
    for (const Clock *clock : {&bounded, &unbounded}) {
        WindowState state;
        state.timeIndex = 10;
        stopOrStep(state, *clock); // stop
        reverse(state);            // stays stopped
        EXPECT_EQ(state.runStep, 0);
        stopOrStep(state, *clock); // one step backwards
        EXPECT_EQ(state.timeIndex, 9);
        resume(state, *clock);
        EXPECT_EQ(state.runStep, -1);
        EXPECT_EQ(state.direction, -1);
    }
}

TEST(SingleStep, OwesATracePointOnlyWhileThePictureIsVisible)
{
    struct Row {
        const char *name;
        bool pictureVisible;
        int runStep;
        bool expectedPending;
    };
    const Row rows[] = {
        {"step with the picture shown", true, 0, true},
        {"step with the picture hidden", false, 0, false},
        {"stopping is no step", true, 1, false},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.pictureVisible = row.pictureVisible;
        state.runStep = row.runStep;
        stopOrStep(state, bounded);
        EXPECT_EQ(state.stepPending, row.expectedPending) << row.name;
    }
}

TEST(YxButton, CyclesThroughTheCurveModes)
{
    using M = CurveMode;
    struct Row {
        const char *name;
        const Clock &clock;
        CurveMode start;
        std::vector<CurveMode> sequence;
    };
    const Row rows[] = {
        {"pulse programs", bounded,
         M::ComponentsAndSum,
         {M::SumOnly, M::ComponentsOnly, M::Off, M::ComponentsAndSum, M::SumOnly}},
        {"standing-wave programs", unbounded, M::Off, {M::Dense, M::Sparse, M::Off, M::Dense}},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.yxMode = row.start;
        std::vector<CurveMode> seen;
        for (std::size_t i = 0; i < row.sequence.size(); ++i) {
            nextCurveMode(state, row.clock);
            seen.push_back(state.yxMode);
        }
        EXPECT_EQ(seen, row.sequence) << row.name;
    }
}

TEST(RowButtons, TurnTheirRowOnAndOff)
{
    struct Row {
        const char *name;
        void (*click)(WindowState &);
        bool WindowState::*flag;
    };
    const Row rows[] = {
        {"横波", toggleTransverse, &WindowState::transverseShown},
        {"縦波", toggleLongitudinal, &WindowState::longitudinalShown},
    };
    for (const Row &row : rows) {
        for (const bool before : {false, true}) {
            WindowState state;
            state.*row.flag = before;
            row.click(state);
            EXPECT_EQ(state.*row.flag, !before) << row.name << " from " << before;
        }
    }
}

TEST(Options, SetTheirStateAndLeaveTheTraceAlone)
{
    struct Row {
        const char *name;
        void (*click)(WindowState &);
        bool startSeparate;
        int startTraced;
        bool expectedSeparate;
        int expectedTraced;
    };
    const Row rows[] = {
        {"separate rows", showRowsSeparate, false, 6, true, 6},
        {"rows overlaid", showRowsOverlaid, true, 6, false, 6},
        {"trace green particle 1", [](WindowState &s) { traceParticle(s, 1); }, true, 6, true, 1},
        {"trace red particle 6", [](WindowState &s) { traceParticle(s, 6); }, false, 1, false, 6},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.longitudinalSeparate = row.startSeparate;
        state.tracedParticle = row.startTraced;
        state.ytColumn = 17;
        state.ytPrevY1 = 2500;
        state.ytPrevY2 = 2600;
        state.ytPrevY3 = 2700;
        row.click(state);
        EXPECT_EQ(state.longitudinalSeparate, row.expectedSeparate) << row.name;
        EXPECT_EQ(state.tracedParticle, row.expectedTraced) << row.name;
        EXPECT_EQ(state.ytColumn, 17) << row.name;
        EXPECT_EQ(state.ytPrevY1, 2500) << row.name;
        EXPECT_EQ(state.ytPrevY2, 2600) << row.name;
        EXPECT_EQ(state.ytPrevY3, 2700) << row.name;
    }
}

TEST(SpeedBar, SetsTheTimerInterval)
{
    WindowState state;
    for (const int value : {1, 10, 200}) {
        setSpeed(state, value);
        EXPECT_EQ(state.timerInterval, value);
    }
}

} // namespace
} // namespace ondel
