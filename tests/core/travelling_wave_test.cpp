// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/geometry.h"
#include "shell/drawing/render.h"
#include "tests/support/frame_circles.h"
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"
#include "travelling/travelling_demonstrator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ondel {
namespace {

using test_support::circlesOf;

std::optional<CircleOp> circleAt(const DrawList &frame, double radius, double x, Rgb fill)
{
    for (const CircleOp &circle : circlesOf(frame, radius))
        if (circle.centre.x == x && circle.fill == fill)
            return circle;
    return std::nullopt;
}

std::unique_ptr<TravellingDemonstrator> openTravelling(const std::string &name)
{
    return test_support::openProgram<TravellingDemonstrator>(name);
}

// The frame after stepping the program to `time`.
const DrawList &frameAt(TravellingDemonstrator &program, std::int64_t time)
{
    program.state().timeIndex = time - program.state().runStep;
    program.nextFrame();
    return program.frame();
}

TEST(TravellingWave, ASampleAtIndex320EntersAtTheLeftEnd)
{
    const test_support::TempDir dir;
    std::string file;
    for (int k = 1; k < 320; ++k)
        file += "0,0\n";
    file += "1,0\n";
    const auto window = openTravelling("ondel8");
    TravellingDemonstrator &program = *window;
    program.setText(Action::PulseFileName, dir.writePulseFile("one", file));
    program.perform(Action::LoadPulse);
    ASSERT_EQ(program.forwardPulse().at(320), 1.0f);
    program.perform(Action::ToggleTransverse);

    struct Row {
        std::int64_t time;
        double blueY;     // first curve dot
        double particle1Y;
    };
    for (const auto [time, blueY, particle1Y] : {Row{0, 2975, 3000}, Row{1, 1975, 3000}, Row{19, 2975, 3000},
                                                 Row{20, 2975, 2000}, Row{21, 2975, 3000}}) {
        SCOPED_TRACE(time);
        const DrawList &frame = frameAt(program, time);
        const auto dot = circleAt(frame, geometry::dotRadius, 250, colour::blue);
        ASSERT_TRUE(dot);
        EXPECT_EQ(dot->centre.y, blueY);
        const auto particle = circleAt(frame, geometry::particleRadius, 1200, colour::green);
        ASSERT_TRUE(particle);
        EXPECT_EQ(particle->centre.y, particle1Y);
    }
}

TEST(TravellingWave, EqualIndicesMeetAtParticle8InOndel8)
{
    for (const int m : {160, 400, 1000, 3040}) {
        SCOPED_TRACE(m);
        PulseTable forward;
        PulseTable backward;
        forward.set(m, 0.5f);
        backward.set(m, 0.25f);
        const TravellingWave wave(forward, backward, SecondPulseDirection::Backward);
        const int t = m - 160;
        EXPECT_EQ(wave.displacement(t, 160), 0.75f);
        EXPECT_EQ(wave.ForwardWave(t, 160), 0.5f);
        EXPECT_EQ(wave.second(t, 160), 0.25f);
        // One tick earlier they stand one data position either side.
        EXPECT_EQ(wave.ForwardWave(t - 1, 159), 0.5f);
        EXPECT_EQ(wave.BackwardWave(t - 1, 161), 0.25f);
        EXPECT_EQ(wave.displacement(t - 1, 160), 0.0f);
    }
}

TEST(TravellingWave, IdenticalColumnsDoubleInOndel8Dou)
{
    PulseTable forward;
    PulseTable backward;
    for (int k = 300; k <= 400; ++k) {
        forward.set(k, 0.01f * float(k - 300));
        backward.set(k, 0.01f * float(k - 300));
    }
    const TravellingWave dou(forward, backward, SecondPulseDirection::Forward);
    const TravellingWave opposite(forward, backward, SecondPulseDirection::Backward);
    for (const auto &[t, x] : {std::pair{0, 1}, {50, 10}, {100, 60}, {400, 300}}) {
        EXPECT_EQ(dou.second(t, x), dou.first(t, x)) << t << ", " << x;
        EXPECT_EQ(dou.displacement(t, x), 2 * dou.ForwardWave(t, x)) << t << ", " << x;
    }
    EXPECT_NE(opposite.second(100, 60), opposite.first(100, 60));
}

TEST(TravellingWave, TimeWrapsAt2880BothWays)
{
    for (const char *name : {"ondel8", "ondel8_dou"}) {
        SCOPED_TRACE(name);
        const auto window = openTravelling(name);
        TravellingDemonstrator &program = *window;
        program.state().timeIndex = 2880;
        program.nextFrame();
        EXPECT_EQ(program.state().timeIndex, 0);
        program.perform(Action::Reverse); // 進行方向: backwards
        program.nextFrame();
        EXPECT_EQ(program.state().timeIndex, 2880);
        program.nextFrame();
        EXPECT_EQ(program.state().timeIndex, 2879);
    }
}

TEST(TravellingWave, BeforeLoadingTheMediumIsAtRest)
{
    for (const char *name : {"ondel8", "ondel8_dou"}) {
        SCOPED_TRACE(name);
        const auto window = openTravelling(name);
        TravellingDemonstrator &program = *window;
        program.nextFrame();
        const auto dots = circlesOf(program.frame(), geometry::dotRadius);
        ASSERT_EQ(dots.size(), 900u);
        for (const CircleOp &dot : dots) {
            const double expected = dot.fill == colour::blue ? 2975 : dot.fill == colour::red ? 3025 : 3000;
            EXPECT_EQ(dot.centre.y, expected);
        }
    }
}

TEST(TravellingWave, AWholeCycleReadsOnlyLoadedIndices)
{
    for (const char *name : {"ondel8", "ondel8_dou"}) {
        SCOPED_TRACE(name);
        const auto window = openTravelling(name);
        TravellingDemonstrator &program = *window;
        program.perform(Action::ToggleTransverse);
        program.perform(Action::ToggleTrace); // trace seeded at time 0
        for (int tick = 0; tick <= 2881; ++tick)
            program.nextFrame();
        program.perform(Action::ToggleTrace);
        program.state().timeIndex = 1;
        program.perform(Action::ToggleTrace); // seeded at time 1
        program.perform(Action::Reverse);
        for (int tick = 0; tick <= 2881; ++tick)
            program.nextFrame();
        EXPECT_EQ(program.forwardPulse().outOfRangeReads(), 0);
        EXPECT_EQ(program.backwardPulse().outOfRangeReads(), 0);
    }
}

// The shipped default files, loaded by the name in the file name box as the
// teacher does.
class DefaultFile : public ::testing::Test {
protected:
    static void load(TravellingDemonstrator &program)
    {
        program.setText(Action::PulseFileName, std::string(ONDEL_DATA_DIR) + "/" + program.inputs().pulseFileName);
        program.perform(Action::LoadPulse);
        const auto message = program.takeMessage();
        EXPECT_FALSE(message) << *message;
    }
    // Data positions 1..300 where a component is not 0 at time t.
    static std::vector<int> occupied(const std::function<float(int)> &component)
    {
        std::vector<int> positions;
        for (int x = 1; x <= 300; ++x)
            if (component(x) != 0.0f)
                positions.push_back(x);
        return positions;
    }
    static constexpr int lastVisiblePosition = 233; // the window ends at 11880 twips
};

TEST_F(DefaultFile, Pulse160aMeetsWhollyInViewAtParticle8)
{
    const auto window = openTravelling("ondel8");
    TravellingDemonstrator &program = *window;
    load(program);
    const TravellingWave &wave = program.wave();
    EXPECT_NEAR(wave.displacement(240, 160), 1.6f, 1e-6);
    for (const auto &component : {std::function<float(int)>([&](int x) { return wave.first(240, x); }),
                                  std::function<float(int)>([&](int x) { return wave.second(240, x); })}) {
        const auto positions = occupied(component);
        ASSERT_FALSE(positions.empty());
        EXPECT_LE(positions.back(), lastVisiblePosition);
        // Short enough for ondel9 to tell incident and reflected apart.
        EXPECT_LE(positions.back() - positions.front(), 80);
    }
    for (const int t : {0, 440, 2880})
        EXPECT_TRUE(occupied([&](int x) { return wave.displacement(t, x); }).empty()) << t;
}

TEST_F(DefaultFile, Dou160AddsUpToOneWholeWave)
{
    const auto window = openTravelling("ondel8_dou");
    TravellingDemonstrator &program = *window;
    load(program);
    const TravellingWave &wave = program.wave();
    float sumHigh = 0, sumLow = 0, firstLow = 0, secondHigh = 0;
    for (int x = 1; x <= 300; ++x) {
        sumHigh = std::max(sumHigh, wave.displacement(240, x));
        sumLow = std::min(sumLow, wave.displacement(240, x));
        firstLow = std::min(firstLow, wave.first(240, x));
        secondHigh = std::max(secondHigh, wave.second(240, x));
    }
    // A crest and a trough in the sum, though one pulse is all crest and
    // the other all trough.
    EXPECT_GT(sumHigh, 0.9f);
    EXPECT_LT(sumLow, -0.9f);
    EXPECT_EQ(firstLow, 0.0f);
    EXPECT_EQ(secondHigh, 0.0f);
    const auto positions = occupied([&](int x) { return wave.displacement(240, x); });
    ASSERT_FALSE(positions.empty());
    EXPECT_LE(positions.back(), lastVisiblePosition);
    for (const int t : {0, 440, 2880})
        EXPECT_TRUE(occupied([&](int x) { return wave.displacement(t, x); }).empty()) << t;
}

} // namespace
} // namespace ondel
