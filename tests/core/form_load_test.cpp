#include "tools/catalogue.h"

#include <gtest/gtest.h>

namespace ondel {
namespace {

TEST(FormLoad, TravellingProgramsOpenAtRestWithTheTraceOff)
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
        expected.transverseShown = 0;
        expected.longitudinalShown = 0;
        expected.longitudinalSeparate = 1;
        expected.yxMode = 1;
        expected.ytColumn = 0;
        expected.stepPending = 0;
        expected.tracedParticle = 6;
        expected.pictureVisible = false;
        expected.timerInterval = 10;
        EXPECT_EQ(program->state(), expected) << row.program;
        EXPECT_EQ(program->controls().text1, row.text1) << row.program;
        EXPECT_EQ(program->timeline().form, HandlerForm::A) << row.program;
        EXPECT_EQ(program->timeline().timeLimit, 2880) << row.program;
    }
}

// The labels beside the option marks carry their captions but react to
// nothing; neither do the frames, the picture or the axis labels.
TEST(FormLoad, PassiveControlsChangeNothingInAnyProgram)
{
    for (const std::string &name : programNames()) {
        const auto program = makeProgram(name);
        ASSERT_TRUE(program) << name;
        for (const char *control : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Frame1", "Frame2",
                                    "Picture1", "NoSuchControl"}) {
            const WindowState before = program->state();
            EXPECT_FALSE(program->click(control)) << name << ' ' << control;
            EXPECT_EQ(program->state(), before) << name << ' ' << control;
        }
    }
}

// Every common button and option of the layout reaches its handler.
TEST(FormLoad, CommonControlsReachTheirHandlersInAnyProgram)
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
        {"Option2", [](const auto &b, const auto &a) { return a.longitudinalSeparate == 0 && b.longitudinalSeparate == 1; }},
        {"Option3", [](const auto &b, const auto &a) { return a.tracedParticle == 1 && b.tracedParticle == 6; }},
    };
    for (const std::string &name : programNames()) {
        for (const Row &row : rows) {
            const auto program = makeProgram(name);
            const WindowState before = program->state();
            EXPECT_TRUE(program->click(row.control)) << name << ' ' << row.control;
            EXPECT_TRUE(row.changed(before, program->state())) << name << ' ' << row.control;
        }
    }
}

} // namespace
} // namespace ondel
