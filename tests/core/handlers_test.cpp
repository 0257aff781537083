#include "shell/handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondel {
namespace {

constexpr Timeline formA{HandlerForm::A, 2880};
constexpr Timeline formA31500{HandlerForm::A, 31500};
constexpr Timeline formB{HandlerForm::B, 2880};

// The run states a teacher can reach, and what each run button does to them.
TEST(RunButtons, MoveBetweenRunningForwardBackwardAndStopped)
{
    enum class Button { Stop, Resume, Reverse };
    struct Row {
        const char *name;
        HandlerForm form;
        int runStep, direction;
        Button button;
        int expectedRunStep, expectedDirection;
    };
    const Row rows[] = {
        {"A stop while forward", HandlerForm::A, 1, 1, Button::Stop, 0, 1},
        {"A stop while backward", HandlerForm::A, -1, -1, Button::Stop, 0, -1},
        {"A resume/stop stops forward", HandlerForm::A, 1, 1, Button::Resume, 0, 1},
        {"A resume/stop stops backward", HandlerForm::A, -1, -1, Button::Resume, 0, -1},
        {"A resume forward", HandlerForm::A, 0, 1, Button::Resume, 1, 1},
        {"A resume backward", HandlerForm::A, 0, -1, Button::Resume, -1, -1},
        {"B resume keeps running forward", HandlerForm::B, 1, 1, Button::Resume, 1, 1},
        {"B resume keeps running backward", HandlerForm::B, -1, -1, Button::Resume, -1, -1},
        {"B resume forward", HandlerForm::B, 0, 1, Button::Resume, 1, 1},
        {"B resume backward", HandlerForm::B, 0, -1, Button::Resume, -1, -1},
        {"B stop while forward", HandlerForm::B, 1, 1, Button::Stop, 0, 1},
        {"reverse while forward", HandlerForm::A, 1, 1, Button::Reverse, -1, -1},
        {"reverse while backward", HandlerForm::A, -1, -1, Button::Reverse, 1, 1},
        {"reverse while stopped forward", HandlerForm::A, 0, 1, Button::Reverse, 0, -1},
        {"reverse while stopped backward", HandlerForm::B, 0, -1, Button::Reverse, 0, 1},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.runStep = row.runStep;
        state.direction = row.direction;
        state.timeIndex = 100;
        const Timeline timeline{row.form, 2880};
        switch (row.button) {
        case Button::Stop: Command3_Click(state, timeline); break;
        case Button::Resume: Command4_Click(state, row.form); break;
        case Button::Reverse: Command5_Click(state); break;
        }
        EXPECT_EQ(state.runStep, row.expectedRunStep) << row.name;
        EXPECT_EQ(state.direction, row.expectedDirection) << row.name;
        EXPECT_EQ(state.timeIndex, 100) << row.name << ": only a single step moves time";
    }
}

TEST(SingleStep, WrapsAtTheTimeLimitInFormAAndRunsOnInFormB)
{
    struct Row {
        const char *name;
        Timeline timeline;
        std::int64_t start;
        int direction;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"forward inside", formA, 100, 1, 101},
        {"backward inside", formA, 100, -1, 99},
        {"forward onto the limit", formA, 2879, 1, 2880},
        {"forward past 2880", formA, 2880, 1, 0},
        {"backward past 0", formA, 0, -1, 2880},
        {"forward past 31500", formA31500, 31500, 1, 0},
        {"backward past 0 to 31500", formA31500, 0, -1, 31500},
        {"2880 is inside a 31500 timeline", formA31500, 2880, 1, 2881},
        {"form B past 2880", formB, 2880, 1, 2881},
        {"form B below 0", formB, 0, -1, -1},
        {"form B further below 0", formB, -7, -1, -8},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.runStep = 0;
        state.direction = row.direction;
        state.timeIndex = row.start;
        Command3_Click(state, row.timeline);
        EXPECT_EQ(state.timeIndex, row.expected) << row.name;
        EXPECT_EQ(state.runStep, 0) << row.name << ": a single step leaves the animation stopped";
    }
}

TEST(SingleStep, TimerAdvanceWrapsLikeTheSingleStep)
{
    struct Row {
        const char *name;
        Timeline timeline;
        std::int64_t start;
        int steps;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"stopped", formA, 2880, 0, 2880},
        {"forward past the limit", formA, 2880, 1, 0},
        {"backward past 0", formA, 0, -1, 2880},
        {"ondel10 limit", formA31500, 31500, 1, 0},
        {"form B keeps counting", formB, 2880, 1, 2881},
        {"form B goes negative", formB, 0, -1, -1},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.timeIndex = row.start;
        advanceTime(state, row.timeline, row.steps);
        EXPECT_EQ(state.timeIndex, row.expected) << row.name;
    }
}

TEST(SingleStep, FirstPressOnlyStopsThenEachPressSteps)
{
    WindowState state;
    state.timeIndex = 42;
    Command3_Click(state, formA);
    EXPECT_EQ(state.runStep, 0);
    EXPECT_EQ(state.timeIndex, 42);
    Command3_Click(state, formA);
    EXPECT_EQ(state.timeIndex, 43);
    Command3_Click(state, formA);
    EXPECT_EQ(state.timeIndex, 44);
    EXPECT_EQ(state.runStep, 0);
}

TEST(SingleStep, ReverseWhileStoppedThenResumeRunsTheOtherWay)
{
    for (const HandlerForm form : {HandlerForm::A, HandlerForm::B}) {
        WindowState state;
        state.timeIndex = 10;
        Command3_Click(state, Timeline{form, 2880}); // stop
        Command5_Click(state);                       // reverse, stays stopped
        EXPECT_EQ(state.runStep, 0);
        Command3_Click(state, Timeline{form, 2880}); // one step backwards
        EXPECT_EQ(state.timeIndex, 9);
        Command4_Click(state, form);
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
        int expectedPending;
    };
    const Row rows[] = {
        {"step with the picture shown", true, 0, 1},
        {"step with the picture hidden", false, 0, 0},
        {"stopping is no step", true, 1, 0},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.pictureVisible = row.pictureVisible;
        state.runStep = row.runStep;
        Command3_Click(state, formA);
        EXPECT_EQ(state.stepPending, row.expectedPending) << row.name;
    }
}

TEST(YxButton, CyclesThroughTheCurveModes)
{
    struct Row {
        HandlerForm form;
        int start;
        std::vector<int> sequence;
    };
    const Row rows[] = {
        {HandlerForm::A, 1, {2, 3, 0, 1, 2}},
        {HandlerForm::B, 0, {1, 2, 0, 1}},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.yxMode = row.start;
        std::vector<int> seen;
        for (std::size_t i = 0; i < row.sequence.size(); ++i) {
            Command7_Click(state, row.form);
            seen.push_back(state.yxMode);
        }
        EXPECT_EQ(seen, row.sequence) << (row.form == HandlerForm::A ? "form A" : "form B");
    }
}

TEST(RowButtons, ToggleOnlyZeroAndOne)
{
    struct Row {
        const char *name;
        void (*click)(WindowState &);
        int WindowState::*flag;
    };
    const Row rows[] = {
        {"横波", Command1_Click, &WindowState::transverseShown},
        {"縦波", Command2_Click, &WindowState::longitudinalShown},
    };
    for (const Row &row : rows) {
        for (const auto &[before, after] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{2, 2}}) {
            WindowState state;
            state.*row.flag = before;
            row.click(state);
            EXPECT_EQ(state.*row.flag, after) << row.name << " from " << before;
        }
    }
}

TEST(Options, SetTheirStateAndLeaveTheTraceAlone)
{
    struct Row {
        const char *name;
        void (*click)(WindowState &);
        int WindowState::*field;
        int start, expected;
    };
    const Row rows[] = {
        {"Option1 separate rows", Option1_Click, &WindowState::longitudinalSeparate, 0, 1},
        {"Option2 rows combined", Option2_Click, &WindowState::longitudinalSeparate, 1, 0},
        {"Option3 traces green particle 1", Option3_Click, &WindowState::tracedParticle, 6, 1},
        {"Option4 traces red particle 6", Option4_Click, &WindowState::tracedParticle, 1, 6},
    };
    for (const Row &row : rows) {
        WindowState state;
        state.*row.field = row.start;
        state.ytColumn = 17;
        state.ytPrevY1 = 2500;
        state.ytPrevY2 = 2600;
        state.ytPrevY3 = 2700;
        row.click(state);
        EXPECT_EQ(state.*row.field, row.expected) << row.name;
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
        HScroll1_Change(state, value);
        EXPECT_EQ(state.timerInterval, value);
    }
}

} // namespace
} // namespace ondel
