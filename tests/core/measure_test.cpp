// SPDX-License-Identifier: GPL-3.0-or-later
// 計測 as the class uses it: the ruler snaps to the particles and reads the
// marker's distance in spacings, each tool follows a drag, and the
// stopwatch counts the clock's ticks through stops, single steps, reversal
// and reset, with what one tick means drawn beside it.
#include "programs/registry.h"
#include "shell/lesson/measure_overlay.h"
#include "shell/window/session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ondel {
namespace {

bool drawsText(const Demonstrator &program, const std::string &wanted)
{
    const auto &ops = program.frame().ops();
    return std::any_of(ops.begin(), ops.end(), [&](const Primitive &op) {
        const auto *text = std::get_if<TextOp>(&op);
        return text && text->text == wanted;
    });
}

void play(Demonstrator &program, const std::string &script)
{
    const auto events = parseSession(script);
    ASSERT_TRUE(std::holds_alternative<SessionScript>(events)) << std::get<std::string>(events);
    for (const SessionEvent &event : std::get<SessionScript>(events))
        for (int k = 0; k < std::max(1, event.ticks); ++k)
            ASSERT_TRUE(deliver(program, event)) << script;
}

// A press at `from` dragged to `to`, as the session lines give it.
std::string drag(Point from, Point to, bool free = false)
{
    const auto whole = [](double v) { return std::to_string(static_cast<long>(v)); };
    return "pointer down " + whole(from.x) + ' ' + whole(from.y) + "\npointer move " + whole(to.x) + ' ' + whole(to.y) +
           (free ? " free" : "") + "\npointer up\n";
}

TEST(Measure, EachToolFollowsItsDragAndTheRulerSnapsToTheParticles)
{
    // ondel8's window is 11880 twips wide; the ruler starts under particle 1
    // (x 1200) at y 3900 with its marker two spacings on, the reference
    // line at y 2000.
    const Point ruler{1200, 3900};
    const Point marker{ruler.x + 2000, ruler.y - measure::markerReach};
    struct Row {
        const char *name;
        std::string script;
        Point rulerStart;
        double markerOffset;
        double referenceY;
    };
    const Row rows[] = {
        {"the 0 mark onto the nearest particle", drag(ruler, {3420, 4100}), {3200, 4100}, 2000, 2000},
        {"the 0 mark free with a modifier", drag(ruler, {3420, 4100}, true), {3420, 4100}, 2000, 2000},
        {"grabbed along the ruler, not only at 0", drag({6300, 3900}, {7300, 3900}), {2200, 3900}, 2000, 2000},
        {"never left of particle 0", drag(ruler, {-800, 3900}), {200, 3900}, 2000, 2000},
        {"a spacing kept on the ruler at the right edge", drag(ruler, {20000, 3900}), {10200, 3900}, 1000, 2000},
        {"the marker on the nearest tenth", drag(marker, {marker.x + 1530, marker.y}), ruler, 3500, 2000},
        {"the marker held on the ruler", drag(marker, {30000, marker.y}), ruler, 10000, 2000},
        {"the marker not before 0", drag(marker, {0, marker.y}), ruler, 0, 2000},
        {"the reference line up and down", drag({3000, 2000}, {3000, 2650}), ruler, 2000, 2650},
        {"a press on nothing moves nothing", drag({6000, 7000}, {9000, 2000}), ruler, 2000, 2000},
    };
    for (const Row &row : rows) {
        auto program = makeProgram("ondel8");
        play(*program, "key M\n" + row.script + "tick 1\n");
        const MeasureState &s = program->measure();
        EXPECT_EQ(s.rulerStart, row.rulerStart) << row.name;
        EXPECT_EQ(s.markerOffset, row.markerOffset) << row.name;
        EXPECT_EQ(s.referenceY, row.referenceY) << row.name;
        EXPECT_TRUE(drawsText(*program, measure::spacingsText(row.markerOffset))) << row.name;
    }
    // Hidden, the tools take no press and draw nothing.
    auto program = makeProgram("ondel8");
    play(*program, "tick 1\n");
    const std::size_t plain = program->frame().size();
    EXPECT_FALSE(program->pointerDown(ruler));
    play(*program, "key M\nkey M\ntick 1\n");
    EXPECT_EQ(program->frame().size(), plain);
}

TEST(Measure, TheStopwatchCountsTheClocksTicks)
{
    struct Row {
        const char *name;
        std::string script;
        std::int64_t ticks;
        bool running;
    };
    // In ondel8 Command3 stops or steps and Command5 reverses.
    const Row rows[] = {
        {"every running tick", "key W\ntick 12\n", 12, true},
        {"not after it is stopped", "key W\ntick 5\nkey W\ntick 7\n", 5, false},
        {"a single step counts one, a stopped tick none",
         "click Command3\nkey W\nclick Command3\ntick 4\nclick Command3\n", 2, true},
        {"running backward counts on", "key W\ntick 3\nclick Command5\ntick 4\n", 7, true},
        {"reset stops it at 0", "key W\ntick 5\nkey 0\ntick 3\n", 0, false},
        {"counting from 0 again after a reset", "key W\ntick 5\nkey 0\nkey W\ntick 2\n", 2, true},
    };
    for (const Row &row : rows) {
        auto program = makeProgram("ondel8");
        play(*program, "key M\n" + row.script);
        EXPECT_EQ(program->measure().stopwatch, (Stopwatch{row.running, row.ticks})) << row.name;
        // What the class sees: the reading and the button's caption, drawn at once.
        play(*program, "key W\nkey W\n");
        EXPECT_TRUE(drawsText(*program, measure::ticksText(row.ticks))) << row.name;
        EXPECT_TRUE(drawsText(*program, row.running ? measure::stopCaption : measure::startCaption)) << row.name;
    }
}

TEST(Measure, TheStopwatchsOwnButtonsWorkAtAPress)
{
    auto program = makeProgram("ondel8");
    play(*program, "key M\ntick 1\n");
    const Point corner = program->measure().stopwatchAt;
    const auto centre = [&](measure::Box box) {
        const measure::Box at = box.from(corner);
        return Point{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
    };
    EXPECT_TRUE(program->pointerDown(centre(measure::startStopButton)));
    program->pointerUp();
    play(*program, "tick 6\n");
    EXPECT_EQ(program->measure().stopwatch, (Stopwatch{true, 6}));
    EXPECT_TRUE(program->pointerDown(centre(measure::resetButton)));
    EXPECT_EQ(program->measure().stopwatch, (Stopwatch{false, 0}));
    // Grabbed elsewhere, it moves with the pointer and stays in the window.
    play(*program, drag({corner.x + 100, corner.y + 100}, {-4000, 300}));
    EXPECT_EQ(program->measure().stopwatchAt, (Point{0, 200}));
}

TEST(Measure, SaysWhatOneTickMeansInEachProgram)
{
    const struct {
        const char *program;
        int ticksPerSpacing;
    } rows[] = {{"ondel8", 20}, {"ondel9", 20}, {"ondel15", 20}, {"ondel3", 3}, {"ondel5", 6}, {"ondel5a", 3}};
    for (const auto &row : rows) {
        auto program = makeProgram(row.program);
        play(*program, "key M\ntick 1\n");
        EXPECT_TRUE(drawsText(*program, "1コマ: 波が粒子の間隔の1/" + std::to_string(row.ticksPerSpacing) + "進む"))
            << row.program;
    }
}

} // namespace
} // namespace ondel
