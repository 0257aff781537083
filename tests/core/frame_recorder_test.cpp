// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/registry.h"
#include "shell/drawing/frame_text.h"
#include "shell/window/session.h"
#include "tests/support/session_files.h"
#include "tests/support/session_folder.h"
#include "tests/support/shown_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace ondel {
namespace {

using test_support::loadSession;

using test_support::SessionFolder;
using test_support::shownRecord;

// Everything each program draws in its recorded session, and at every tick
// what its timer and controls show, reduced to one hash. A change that moves any primitive by a thousandth of a twip, or
// draws one more or one fewer, changes it; an intended change of the
// picture updates these lines, with the reason in the commit.
TEST(FrameRecorder, EveryProgramDrawsItsSessionAsRecorded)
{
    struct Row {
        const char *program;
        const char *hash;
    };
    const Row rows[] = {
        {"ondel8", "a0d21996ad831f18"},  {"ondel8_dou", "88c344fdf9191e2a"}, {"ondel9", "0b0bb11b0f5f2209"},
        {"ondel10", "4f6f538644b4b861"}, {"ondel3", "9f2749f42df08ace"},     {"ondel3a", "787632d8d9a27290"},
        {"ondel5", "7a154116836bb15d"},  {"ondel5a", "1a0d420283983189"},    {"ondel15", "28c708b46154b204"},
    };
    const SessionFolder folder;
    for (const Row &row : rows) {
        const auto program = makeProgram(row.program);
        ASSERT_TRUE(program) << row.program;
        EXPECT_EQ(sessionHash(*program, loadSession(row.program)), row.hash) << row.program;
    }
}

// What the sessions must exercise for their hashes to mean something: every
// control of the window, more than 3000 ticks, time in both directions, and
// the wrap of a bounded clock at both ends.
TEST(FrameRecorder, EachSessionCoversItsWholeWindow)
{
    const SessionFolder folder;
    for (const std::string &name : programNames()) {
        const auto program = makeProgram(name);
        const SessionScript script = loadSession(name);
        std::set<std::string> named;
        int keys = 0;
        for (const SessionEvent &event : script) {
            named.insert(event.control);
            keys += event.kind == SessionEvent::Kind::Key;
        }
        EXPECT_GE(keys, 10) << name << " presses too few keys";
        for (const ControlSpec &control : program->layout().controls)
            EXPECT_TRUE(named.count(control.name)) << name << " never uses " << control.name;

        int ticks = 0;
        int forward = 0;
        int backward = 0;
        bool wrappedUp = false;
        bool wrappedDown = false;
        const Clock &clock = program->clock();
        std::int64_t before = program->state().timeIndex;
        replaySession(*program, script, [&](std::string_view text) {
            const std::int64_t now = program->state().timeIndex;
            if (text.starts_with("tick")) {
                ++ticks;
                forward += program->state().runStep == 1;
                backward += program->state().runStep == -1;
                wrappedUp |= before == clock.timeLimit && now == 0;
                wrappedDown |= before == 0 && now == clock.timeLimit;
            }
            before = now;
        });
        EXPECT_GE(ticks, 3000) << name;
        EXPECT_GE(forward, 100) << name;
        EXPECT_GE(backward, 100) << name;
        if (clock.timeLimit) {
            EXPECT_TRUE(wrappedUp) << name << " never wraps from the time limit to 0";
            EXPECT_TRUE(wrappedDown) << name << " never wraps from 0 to the time limit";
        }
    }
}

// Lessons that part only in what the controls and the timer show: the same
// drawing, and yet two records, with their event lines taken out.
TEST(FrameRecorder, TheRecordShowsTheTimerAndEveryControl)
{
    struct Row {
        const char *name;
        const char *one;
        const char *other;
    };
    const Row rows[] = {
        {"the speed", "set HScroll1 20\ntick 3\n", "set HScroll1 30\ntick 3\n"},
        {"the speed from its keys", "key +\ntick 3\n", "key -\ntick 3\n"},
        {"rows overlaid while the longitudinal row is hidden", "tick 3\n", "click Option2\ntick 3\n"},
        {"the traced particle while the trace is off", "tick 3\n", "click Option3\ntick 3\n"},
        {"a name typed but not loaded", "set Text1 dou160\ntick 3\n", "set Text1 dou160 \ntick 3\n"},
    };
    for (const Row &row : rows) {
        // Compared whole, not printed: a record runs to many lines.
        EXPECT_TRUE(shownRecord("ondel8", row.one, false) == shownRecord("ondel8", row.other, false)) << row.name;
        EXPECT_TRUE(shownRecord("ondel8", row.one, true) != shownRecord("ondel8", row.other, true)) << row.name;
    }
}

TEST(FrameRecorder, ASessionNamingWhatTheProgramLacksStops)
{
    // A control it lacks, a key that gives the window a command, no key at all.
    for (const char *event : {"click Command9", "key F1", "key Q"}) {
        const auto program = makeProgram("ondel3");
        const auto script = std::get<SessionScript>(parseSession("tick 1\n" + std::string(event) + "\ntick 1\n"));
        int events = 0;
        EXPECT_FALSE(replaySession(*program, script, [&](std::string_view) { ++events; })) << event;
        EXPECT_EQ(events, 1) << event;
        EXPECT_EQ(sessionHash(*program, script), std::nullopt) << event;
    }
}

// The lesson tools drawn through recorded lessons of their own (the strobe
// and the annotations switched by their keys, the strobe's choices from its
// menus), reduced to one hash each like the nine above.
TEST(FrameRecorder, TheLessonToolsDrawTheirSessionsAsRecorded)
{
    struct Row {
        const char *program;
        const char *session;
        const char *hash;
    };
    const Row rows[] = {
        {"ondel5", "lessons/ondel5", "73e2675f8a1fa8cf"},
        {"ondel8", "lessons/ondel8", "0956dbc16d3b5a98"},
        {"ondel15", "lessons/ondel15", "26e54692e2406493"},
        {"ondel8", "lessons/ondel8_measure", "83ec925394b3dea7"},
    };
    const SessionFolder folder;
    for (const Row &row : rows) {
        const auto program = makeProgram(row.program);
        EXPECT_EQ(sessionHash(*program, loadSession(row.session)), row.hash) << row.session;
    }
}

TEST(FrameRecorder, SessionScriptsAreReadStrictly)
{
    struct Row {
        const char *name;
        const char *text;
        const char *error; // empty: parses
    };
    const Row rows[] = {
        {"comments and blank lines", "# note\n\n  \nclick Command1\r\n", ""},
        {"empty text", "set Text1\n", ""},
        {"text with blanks", "set Text1 a b\n", ""},
        {"unknown command", "press Command1\n", "line 1: unknown command press"},
        {"click without control", "tick 2\nclick\n", "line 2: click takes one control"},
        {"click with two controls", "click Command1 Command2\n", "line 1: click takes one control"},
        {"tick of zero", "tick 0\n", "line 1: tick takes a count of at least 1"},
        {"tick of a word", "tick many\n", "line 1: tick takes a count of at least 1"},
        {"sweep backwards", "sweep HScroll1 5 1\n", "line 1: sweep takes a control, a first and a last value"},
        {"a key with a blank in its name", "key Page Down\n", ""},
        {"key without a name", "key\n", "line 1: key takes a key's name"},
        {"strobe choices", "strobe 6 20\n", ""},
        {"strobe without a spacing", "strobe 6\n", "line 1: strobe takes a count and a spacing"},
    };
    for (const Row &row : rows) {
        const auto parsed = parseSession(row.text);
        if (*row.error == '\0')
            EXPECT_TRUE(std::holds_alternative<SessionScript>(parsed)) << row.name;
        else
            EXPECT_EQ(std::get<std::string>(parsed), row.error) << row.name;
    }
    const auto sweep = std::get<SessionScript>(parseSession("sweep HScroll1 1 200\nset Text1 a b\n"));
    ASSERT_EQ(sweep.size(), 201u);
    EXPECT_EQ(sweep[199].value, "200");
    EXPECT_EQ(sweep[200].value, "a b");
}

TEST(FrameRecorder, CoordinatesAreWrittenInWholeThousandthsOfATwip)
{
    struct Row {
        const char *name;
        Primitive primitive;
        const char *text;
    };
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"clear", ClearOp{}, "W clear\n"},
        {"width", LineWidthOp{4}, "W width 4\n"},
        {"line", LineOp{{200, 3000}, {15500, 3000}, colour::magenta}, "W l 200000 3000000 15500000 3000000 ff00ff\n"},
        {"rounding of the last bits", CircleOp{{1200.0004999, 2999.9995001}, 300, colour::black, colour::red},
         "W c 1200000 3000000 300000 000000 ff0000\n"},
        {"negative", LineOp{{-0.0015, -1}, {0, 0}}, "W l -2 -1000 0 0 000000\n"},
        {"not finite", CircleOp{{infinity, -infinity}, std::nan(""), 0, 0}, "W c far -far nan 000000 000000\n"},
        {"text", TextOp{{11000, 800}, "t"}, "W t 11000000 800000 t\n"},
    };
    for (const Row &row : rows) {
        std::string text;
        appendPrimitiveText(text, 'W', row.primitive);
        EXPECT_EQ(text, row.text) << row.name;
    }
}

TEST(FrameRecorder, TheHashIsSixtyFourBitFnv1a)
{
    TextHash empty;
    EXPECT_EQ(empty.hex(), "cbf29ce484222325");
    TextHash a;
    a.add("a");
    EXPECT_EQ(a.hex(), "af63dc4c8601ec8c");
    TextHash split;
    split.add("foo");
    split.add("bar");
    TextHash whole;
    whole.add("foobar");
    EXPECT_EQ(split.value(), whole.value());
}

} // namespace
} // namespace ondel
