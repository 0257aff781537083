// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/registry.h"
#include "shell/window/session.h"
#include "tests/support/programs.h"

#include <gtest/gtest.h>

namespace ondel {
namespace {

TEST(OpenWindow, TravellingProgramsOpenAtRestWithTheTraceOff)
{
    struct Row {
        const char *program;
        const char *text1;
    };
    for (const Row row : {Row{"ondel8", "pulse160a"}, Row{"ondel8_dou", "dou160"}}) {
        const auto program = makeProgram(row.program);
        ASSERT_TRUE(program) << row.program;
        WindowState expected;
        expected.timeIndex = 0;
        expected.runStep = 1;
        expected.direction = 1;
        expected.transverseShown = false;
        expected.longitudinalShown = false;
        expected.longitudinalSeparate = true;
        expected.yxMode = CurveMode::ComponentsAndSum;
        expected.ytColumn = 0;
        expected.stepPending = false;
        expected.tracedParticle = 6;
        expected.pictureVisible = false;
        expected.timerInterval = 10;
        EXPECT_EQ(program->state(), expected) << row.program;
        EXPECT_EQ(program->inputs().pulseFileName, row.text1) << row.program;
        EXPECT_EQ(program->clock().timeLimit, 2880) << row.program;
        EXPECT_TRUE(program->clock().resumeAlsoStops) << row.program;
    }
}

// The labels beside the option marks carry their captions but react to
// nothing; neither do the frames, the picture or the axis labels.
TEST(OpenWindow, PassiveControlsChangeNothingInAnyProgram)
{
    for (const std::string &name : programNames()) {
        const auto program = makeProgram(name);
        ASSERT_TRUE(program) << name;
        for (const char *control : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Frame1", "Frame2",
                                    "Picture1", "NoSuchControl"}) {
            const WindowState before = program->state();
            EXPECT_FALSE(clickControl(*program, control)) << name << ' ' << control;
            EXPECT_EQ(program->state(), before) << name << ' ' << control;
        }
    }
}

// Every common button and option of the layout reaches its handler.
TEST(OpenWindow, CommonControlsReachTheirHandlersInAnyProgram)
{
    struct Row {
        const char *control;
        bool (*changed)(const WindowState &before, const WindowState &after);
    };
    const Row rows[] = {
        {"Command1", [](const auto &b, const auto &a) { return a.transverseShown != b.transverseShown; }},
        {"Command2", [](const auto &b, const auto &a) { return a.longitudinalShown != b.longitudinalShown; }},
        {"Command3", [](const auto &b, const auto &a) { return a.runStep == 0 && b.runStep != 0; }},
        {"Command5", [](const auto &b, const auto &a) { return a.direction == -b.direction; }},
        {"Command7", [](const auto &b, const auto &a) { return a.yxMode != b.yxMode; }},
        {"Command8", [](const auto &b, const auto &a) { return a.ytColumn == 5 && b.ytColumn == 0; }},
        {"Option2", [](const auto &b, const auto &a) { return !a.longitudinalSeparate && b.longitudinalSeparate; }},
        {"Option3", [](const auto &b, const auto &a) { return a.tracedParticle == 1 && b.tracedParticle == 6; }},
    };
    for (const std::string &name : programNames()) {
        for (const Row &row : rows) {
            const auto program = makeProgram(name);
            const WindowState before = program->state();
            EXPECT_TRUE(clickControl(*program, row.control)) << name << ' ' << row.control;
            EXPECT_TRUE(row.changed(before, program->state())) << name << ' ' << row.control;
        }
    }
}

} // namespace
} // namespace ondel
