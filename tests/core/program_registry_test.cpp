// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/registry.h"
#include "shell/drawing/frame_text.h"
#include "shell/window/session.h"
#include "standing/standing_demonstrator.h"
#include "standing/standing_program.h"
#include "tests/support/frame_circles.h"
#include "tests/support/session_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ondel {
namespace {

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    while (!text.empty()) {
        const std::size_t end = text.find(separator);
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parts;
}

// The names in the README's table of programs, rows "| `ondel8` | ...".
// The programs' table: the rows under "## The programs" (the teachers'
// section repeats the names in Japanese further down).
std::vector<std::string> readmeProgramNames()
{
    std::ifstream readme(ONDEL_README);
    EXPECT_TRUE(readme) << "cannot read " << ONDEL_README;
    std::vector<std::string> names;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("## "))
            inSection = line == "## The programs";
        if (!inSection || !line.starts_with("| `ondel"))
            continue;
        const std::size_t start = line.find('`') + 1;
        names.push_back(line.substr(start, line.find('`', start) - start));
    }
    return names;
}

TEST(ProgramRegistry, TheNineAreTheProgramsTheBuildAndTheReadmeName)
{
    const std::vector<std::string> names = programNames();
    EXPECT_EQ(names.size(), 9u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "a name twice";
    EXPECT_EQ(names, split(ONDEL_CMAKE_PROGRAMS, ';')) << "the build's list of executables";
    EXPECT_EQ(names, readmeProgramNames()) << "the README's table";
    for (const std::string &name : names) {
        const auto program = makeProgram(name);
        ASSERT_TRUE(program) << name;
        EXPECT_EQ(program->description().identity.name, name);
    }
    EXPECT_FALSE(makeProgram("ondel3b"));
    EXPECT_FALSE(makeProgram(""));
}

// ondel3's window and timer with the wave at two thirds of its speed.
ProgramDescription ondel3b()
{
    return standingProgram({"ondel3b", "ゆっくり進む正弦波と定常波", "A slower travelling sine wave and the standing wave"},
                           StandingRules{.timeDivisor = 30,
                                         .particlePhase = ParticlePhase::ParticleNumber,
                                         .window = narrowSineWindow,
                                         .timer = slowSineTimer});
}

// Window y of transverse particle 1 in the last frame.
double particle1Y(const Demonstrator &program)
{
    const auto particles = test_support::circlesOf(program.frame(), 300);
    if (particles.empty()) {
        ADD_FAILURE() << "no particle drawn";
        return 0;
    }
    return particles.front().centre.y;
}

TEST(ProgramRegistry, ATenthProgramOfAFamilyIsOneEntry)
{
    ProgramRegistry registry = builtInPrograms();
    ASSERT_TRUE(registry.add(ondel3b()));
    EXPECT_EQ(registry.all().size(), 10u);
    EXPECT_EQ(builtInPrograms().all().size(), 9u) << "the copy leaves the built-in list alone";

    const auto tenth = registry.make("ondel3b");
    const auto ondel3 = registry.make("ondel3");
    ASSERT_TRUE(tenth);
    ASSERT_TRUE(ondel3);
    EXPECT_TRUE(dynamic_cast<const StandingDemonstrator *>(tenth.get()));

    // At time divisor 30 the wave at tick N is ondel3's at tick 2N/3: three
    // ticks of the tenth program for every two of ondel3.
    std::map<int, double> tenthY;
    std::map<int, double> ondel3Y;
    for (int n = 3; n <= 300; n += 3) {
        for (int k = 0; k < 3; ++k)
            tenth->nextFrame();
        for (int k = 0; k < 2; ++k)
            ondel3->nextFrame();
        ASSERT_EQ(tenth->state().timeIndex, n);
        tenthY[n] = particle1Y(*tenth);
        ondel3Y[2 * n / 3] = particle1Y(*ondel3);
        EXPECT_EQ(tenthY[n], ondel3Y[2 * n / 3]) << "tick " << n;
    }
    // ... and not the same wave at the same tick.
    bool parted = false;
    for (int n = 6; n <= 200; n += 6)
        parted |= std::abs(tenthY.at(n) - ondel3Y.at(n)) > 100;
    EXPECT_TRUE(parted);
}

// ondel3's recorded lesson runs on the tenth program control for control:
// the clock, the buttons and the trace end where they end in ondel3, while
// the picture is of the slower wave.
TEST(ProgramRegistry, ATenthProgramPlaysItsSiblingsRecordedLesson)
{
    ProgramRegistry registry = builtInPrograms();
    ASSERT_TRUE(registry.add(ondel3b()));
    const SessionScript lesson = test_support::loadSession("ondel3");
    const auto tenth = registry.make("ondel3b");
    const auto ondel3 = registry.make("ondel3");

    std::map<Demonstrator *, std::string> hashes;
    for (Demonstrator *program : {tenth.get(), ondel3.get()}) {
        int ticks = 0;
        TextHash hash;
        EXPECT_TRUE(replaySession(*program, lesson, [&](std::string_view text) {
            ticks += text.starts_with("tick");
            hash.add(text);
        })) << program->description().identity.name;
        EXPECT_GE(ticks, 3000);
        hashes[program] = hash.hex();
    }
    EXPECT_NE(hashes[tenth.get()], hashes[ondel3.get()]);

    const WindowState &a = tenth->state();
    const WindowState &b = ondel3->state();
    EXPECT_EQ(a.timeIndex, b.timeIndex);
    EXPECT_EQ(a.runStep, b.runStep);
    EXPECT_EQ(a.direction, b.direction);
    EXPECT_EQ(a.transverseShown, b.transverseShown);
    EXPECT_EQ(a.longitudinalShown, b.longitudinalShown);
    EXPECT_EQ(a.longitudinalSeparate, b.longitudinalSeparate);
    EXPECT_EQ(a.yxMode, b.yxMode);
    EXPECT_EQ(a.ytColumn, b.ytColumn);
    EXPECT_EQ(a.tracedParticle, b.tracedParticle);
    EXPECT_EQ(a.timerInterval, b.timerInterval);
    EXPECT_EQ(a.pictureVisible, b.pictureVisible);
}

TEST(ProgramRegistry, ATakenNameIsRefused)
{
    struct Row {
        const char *name;
        ProgramDescription second;
    };
    ProgramDescription ondel8Again = ondel3b();
    ondel8Again.identity.name = "ondel8";
    const Row rows[] = {
        {"a built-in name", ondel8Again},
        {"a name added before", ondel3b()},
    };
    ProgramRegistry registry = builtInPrograms();
    ASSERT_TRUE(registry.add(ondel3b()));
    for (const Row &row : rows) {
        EXPECT_FALSE(registry.add(row.second)) << row.name;
        EXPECT_EQ(registry.all().size(), 10u) << row.name;
    }
    // The first program of the name stays: ondel8 still loads pulse files.
    const ProgramDescription *ondel8 = registry.find("ondel8");
    ASSERT_TRUE(ondel8);
    EXPECT_TRUE(ondel8->layout.find("Command9"));
    EXPECT_EQ(registry.make("ondel8")->layout().find("Command9")->action, Action::LoadPulse);
}

// The controls every window has, each driven by its name as the teacher
// uses it (after the events that prepare it) and judged by what it did: a
// binding swapped between two controls does the wrong thing somewhere here.
TEST(ProgramDescriptions, EveryCommonControlDoesWhatItsCaptionSays)
{
    using Check = bool (*)(const WindowState &before, const WindowState &after);
    struct Row {
        const char *name;
        const char *session; // the last event is the one judged
        Check did;
    };
    const Row rows[] = {
        {"横波 shows or hides the transverse row", "click Command1",
         [](const WindowState &b, const WindowState &a) { return a.transverseShown != b.transverseShown; }},
        {"縦波 shows or hides the longitudinal row", "click Command2",
         [](const WindowState &b, const WindowState &a) { return a.longitudinalShown != b.longitudinalShown; }},
        {"停止 stops a running wave", "tick 2\nclick Command3",
         [](const WindowState &b, const WindowState &a) { return a.runStep == 0 && a.timeIndex == b.timeIndex; }},
        {"駒送り steps a stopped one", "tick 2\nclick Command3\nclick Command3",
         [](const WindowState &b, const WindowState &a) { return a.runStep == 0 && a.timeIndex == b.timeIndex + 1; }},
        {"再開 runs a stopped wave on", "tick 2\nclick Command3\nclick Command4",
         [](const WindowState &, const WindowState &a) { return a.runStep == 1; }},
        {"進行方向 turns the wave back", "tick 2\nclick Command5",
         [](const WindowState &, const WindowState &a) { return a.runStep == -1 && a.direction == -1; }},
        {"y-x線 shows the curves the next way", "click Command7",
         [](const WindowState &b, const WindowState &a) { return a.yxMode != b.yxMode; }},
        {"y-t線 shows the trace and its picture", "click Command8",
         [](const WindowState &, const WindowState &a) { return a.ytColumn > 0 && a.pictureVisible; }},
        {"横波と合成 lays the rows over each other", "click Option2",
         [](const WindowState &, const WindowState &a) { return !a.longitudinalSeparate; }},
        {"横縦別々 takes them apart again", "click Option2\nclick Option1",
         [](const WindowState &, const WindowState &a) { return a.longitudinalSeparate; }},
        {"緑 traces particle 1", "click Option3",
         [](const WindowState &, const WindowState &a) { return a.tracedParticle == 1; }},
        {"赤 traces particle 6 again", "click Option3\nclick Option4",
         [](const WindowState &, const WindowState &a) { return a.tracedParticle == 6; }},
        {"速度 sets the timer's interval", "set HScroll1 57",
         [](const WindowState &, const WindowState &a) { return a.timerInterval == 57; }},
    };
    for (const std::string &name : programNames()) {
        for (const Row &row : rows) {
            const auto program = makeProgram(name);
            const SessionScript script = std::get<SessionScript>(parseSession(row.session));
            for (std::size_t k = 0; k + 1 < script.size(); ++k)
                ASSERT_TRUE(deliver(*program, script[k])) << name << ": " << row.name;
            const WindowState before = program->state();
            ASSERT_TRUE(deliver(*program, script.back())) << name << ": " << row.name;
            EXPECT_TRUE(row.did(before, program->state())) << name << ": " << row.name;
        }
    }
}

TEST(ProgramDescriptions, EveryClickTheLayoutBindsIsAnswered)
{
    for (const ProgramDescription &description : builtInPrograms().all()) {
        std::set<std::string> seen;
        for (const ControlSpec &control : description.layout.controls) {
            EXPECT_TRUE(seen.insert(control.name).second) << description.identity.name << ": " << control.name << " twice";
            if (control.action == Action::None || control.kind == ControlKind::TextBox ||
                control.kind == ControlKind::HScrollBar || control.kind == ControlKind::VScrollBar)
                continue;
            const auto program = makeProgram(description);
            EXPECT_TRUE(program->perform(control.action)) << description.identity.name << ": " << control.name;
        }
        EXPECT_FALSE(makeProgram(description)->perform(Action::None)) << description.identity.name;
    }
}

TEST(ProgramDescriptions, OpenWithTheirOwnTimerFileAndCurveMode)
{
    for (const ProgramDescription &description : builtInPrograms().all()) {
        SCOPED_TRACE(description.identity.name);
        const WindowLayout &layout = description.layout;
        const auto program = makeProgram(description);

        const auto withAction = [&layout](Action action) {
            return std::find_if(layout.controls.begin(), layout.controls.end(),
                                [action](const ControlSpec &c) { return c.action == action; });
        };
        const auto speed = withAction(Action::Speed);
        ASSERT_NE(speed, layout.controls.end()) << "no speed bar";
        EXPECT_EQ(speed->range.value, description.clock.timerInterval);
        EXPECT_EQ(program->state().timerInterval, description.clock.timerInterval);
        EXPECT_GE(speed->range.value, speed->range.minimum);
        EXPECT_LE(speed->range.value, speed->range.maximum);

        const bool loadsFiles = withAction(Action::LoadPulse) != layout.controls.end();
        const auto fileName = withAction(Action::PulseFileName);
        if (loadsFiles) {
            ASSERT_NE(fileName, layout.controls.end()) << "a load button without a file name box";
            EXPECT_FALSE(description.defaultFile.empty());
            EXPECT_EQ(fileName->caption, description.defaultFile);
            EXPECT_EQ(program->inputs().pulseFileName, description.defaultFile);
        } else {
            EXPECT_TRUE(description.defaultFile.empty()) << "a default file nothing loads";
        }

        const std::vector<CurveMode> &modes = description.clock.curveModes;
        EXPECT_EQ(std::count(modes.begin(), modes.end(), description.initial.yxMode), 1)
            << "the y-x button would not step on from the first curve mode";
    }
}

TEST(ProgramDescriptions, EveryProgramSaysWhatItShows)
{
    for (const ProgramDescription &description : builtInPrograms().all()) {
        EXPECT_FALSE(description.identity.summaryJa.empty()) << description.identity.name;
        EXPECT_FALSE(description.identity.summaryEn.empty()) << description.identity.name;
    }
}

} // namespace
} // namespace ondel
