// SPDX-License-Identifier: GPL-3.0-or-later
#include "standing/standing_demonstrator.h"
#include "tests/support/frame_circles.h"
#include "tests/support/programs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ondel {
namespace {

// Each program's wave as it is meant to be: its time divisor, how it puts a
// particle into the phase, and how many ticks the forward wave takes to move
// one particle on.
struct Program {
    std::string name;
    int timeDivisor;
    ParticlePhase particlePhase;
    int ticksPerSpacing;
};

const std::vector<Program> programs{{"ondel3", 20, ParticlePhase::ParticleNumber, 3},
                                    {"ondel3a", 20, ParticlePhase::DataPosition, 3},
                                    {"ondel5", 40, ParticlePhase::ParticleNumber, 6},
                                    {"ondel5a", 20, ParticlePhase::DataPosition, 3}};

// The wave written out afresh, so that the engine's literals are checked
// rather than reused: 20 / 12 x 3.14, 133.333 and 6.6667.
double expectedSine(const Program &program, double t, int particle)
{
    const double spatial =
        program.particlePhase == ParticlePhase::ParticleNumber ? particle / 6.6667 : 20.0 * particle / 133.333;
    return std::sin(20.0 / 12.0 * 3.14 * (t / program.timeDivisor - spatial));
}
double expectedForwardY(const Program &program, double t, int particle)
{
    return 2000 - 1000 * expectedSine(program, t, particle);
}

std::unique_ptr<StandingDemonstrator> openStanding(const std::string &name)
{
    return test_support::openProgram<StandingDemonstrator>(name);
}

template <class Op> std::vector<Op> opsOf(const std::vector<Primitive> &ops)
{
    std::vector<Op> found;
    for (const Primitive &op : ops)
        if (const Op *p = std::get_if<Op>(&op))
            found.push_back(*p);
    return found;
}
using test_support::circlesOf;

// The frame at time t, drawn while stopped so that time stays at t.
std::vector<CircleOp> particlesAt(StandingDemonstrator &program, std::int64_t t)
{
    program.state().runStep = 0;
    program.state().timeIndex = t;
    program.nextFrame();
    return circlesOf(program.frame(), 300);
}

TEST(StandingPrograms, OpenWithTheirWindowTimerAndDefaults)
{
    struct Row { Rect picture; int clientWidth; int interval; };
    const Row rows[] = {{{240, 3240, 11895, 2895}, 11880, 100}, {{120, 3240, 11775, 2895}, 15240, 100},
                        {{240, 3240, 11895, 2895}, 11880, 20}, {{120, 3240, 11775, 2895}, 15240, 20}};
    for (std::size_t k = 0; k < programs.size(); ++k) {
        SCOPED_TRACE(programs[k].name);
        const auto window = openStanding(programs[k].name);
        StandingDemonstrator &program = *window;
        EXPECT_EQ(program.layout().clientWidth, rows[k].clientWidth);
        EXPECT_EQ(program.layout().clientHeight, 6360);
        EXPECT_EQ(program.layout().find("Picture1")->rect, rows[k].picture);
        EXPECT_EQ(program.layout().find("HScroll1")->range.value, rows[k].interval);
        EXPECT_EQ(program.state().timerInterval, rows[k].interval);
        EXPECT_EQ(program.layout().find("Command6")->caption, "定常波");
        EXPECT_TRUE(program.state().transverseShown);
        EXPECT_EQ(program.state().yxMode, CurveMode::Off);
        EXPECT_FALSE(program.standingWaveOn());
    }
}

TEST(StandingWave, ForwardWaveStartsInItsShapeAndMovesOneParticlePerSpacingTime)
{
    for (const Program &p : programs) {
        SCOPED_TRACE(p.name);
        const auto window = openStanding(p.name);
        StandingDemonstrator &program = *window;
        const auto start = particlesAt(program, 0);
        ASSERT_EQ(start.size(), 15u);
        for (int i : {2, 10})
            EXPECT_NEAR(start[i - 1].centre.y, 3000, 0.05) << i;
        for (int i : {6, 14})
            EXPECT_NEAR(start[i - 1].centre.y, 1000, 0.05) << i;
        EXPECT_NEAR(start[3].centre.y, 2001.6, 0.05); // 3.14 is not quite pi
        for (int i = 1; i <= 15; ++i)
            EXPECT_DOUBLE_EQ(start[i - 1].centre.y, expectedForwardY(p, 0, i)) << i;

        program.state().runStep = 1;
        for (int k = 0; k < p.ticksPerSpacing; ++k)
            program.nextFrame();
        const auto later = circlesOf(program.frame(), 300);
        EXPECT_NEAR(later[2].centre.y, 3000, 0.05);
        for (int i = 1; i < 15; ++i)
            EXPECT_NEAR(later[i].centre.y, start[i - 1].centre.y, 1) << i;
    }
}

TEST(StandingWave, NodesStayAndAntinodesSwingFully)
{
    for (const Program &p : programs) {
        SCOPED_TRACE(p.name);
        const auto window = openStanding(p.name);
        StandingDemonstrator &program = *window;
        const auto forwardAtStart = particlesAt(program, 0);
        program.perform(Action::ToggleStandingWave);
        program.perform(Action::ToggleLongitudinal); // the longitudinal row too, on its own axis
        const int period = 8 * p.ticksPerSpacing;
        double nodeSwing = 0, nodeShift = 0;
        std::vector<double> antinodeSwing(15, 0), antinodeShift(15, 0);
        for (int t = -period; t <= period; ++t) {
            const auto all = particlesAt(program, t);
            ASSERT_EQ(all.size(), 30u);
            for (int i = 1; i <= 15; ++i) {
                const double swing = std::abs(all[2 * i - 2].centre.y - 2000);
                const double shift = std::abs(all[2 * i - 1].centre.x - (1000.0 * i + 200));
                if (i % 4 == 0) {
                    nodeSwing = std::max(nodeSwing, swing);
                    nodeShift = std::max(nodeShift, shift);
                }
                antinodeSwing[i - 1] = std::max(antinodeSwing[i - 1], swing);
                antinodeShift[i - 1] = std::max(antinodeShift[i - 1], shift);
            }
        }
        EXPECT_LE(nodeSwing, 5);
        EXPECT_LE(nodeShift, 2.5); // half the transverse swing
        EXPECT_GT(nodeSwing, 4); // the lag of 3.14 shows at particle 12
        for (int i : {2, 6, 10, 14}) {
            EXPECT_NEAR(antinodeSwing[i - 1], 1000, 0.5) << i;
            EXPECT_NEAR(antinodeShift[i - 1], 500, 0.25) << i;
        }

        const auto still = particlesAt(program, period / 4);
        const auto inverted = particlesAt(program, period / 2);
        const auto standingAtStart = particlesAt(program, 0);
        for (int i = 1; i <= 15; ++i) {
            EXPECT_NEAR(still[2 * i - 2].centre.y, 2000, 1) << i;
            EXPECT_NEAR(inverted[2 * i - 2].centre.y, 4000 - forwardAtStart[i - 1].centre.y, 1) << i;
            EXPECT_NEAR(standingAtStart[2 * i - 2].centre.y, forwardAtStart[i - 1].centre.y, 1e-9) << i;
        }
    }
}

TEST(StandingWave, ArrowsShowTheDirectionOfTheTravellingWaveOnly)
{
    using A = Action;
    struct Row { const char *name; std::vector<Action> clicks; std::vector<double> arrowRows; double tip; };
    const Row rows[] = {
        {"forward", {}, {1000}, 8700},
        {"backward", {A::Reverse}, {1000}, 7500},
        {"longitudinal on own axis", {A::ToggleLongitudinal}, {1000, 5000}, 8700},
        {"longitudinal on transverse axis", {A::ToggleLongitudinal, A::RowsOverlaid}, {1000}, 8700},
        {"standing", {A::ToggleLongitudinal, A::ToggleStandingWave}, {}, 0},
        {"standing backward", {A::Reverse, A::ToggleStandingWave}, {}, 0},
        {"standing and back, stopped backward",
         {A::ToggleStandingWave, A::StopOrStep, A::Reverse, A::ToggleStandingWave},
         {1000},
         7500},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openStanding("ondel3");
        StandingDemonstrator &program = *window;
        for (const Action action : row.clicks)
            program.perform(action);
        program.nextFrame();
        const auto lines = opsOf<LineOp>(program.frame().ops());
        ASSERT_EQ(lines.size(), 3 + 3 * row.arrowRows.size());
        for (std::size_t k = 0; k < row.arrowRows.size(); ++k) {
            const double y = row.arrowRows[k];
            const double back = row.tip == 8700 ? 8400 : 7800;
            EXPECT_EQ(lines[3 + 3 * k], (LineOp{{7500, y}, {8700, y}}));
            EXPECT_EQ(lines[4 + 3 * k], (LineOp{{row.tip, y}, {back, y - 200}}));
            EXPECT_EQ(lines[5 + 3 * k], (LineOp{{row.tip, y}, {back, y + 200}}));
        }
    }
}

TEST(StandingWave, CurveIsCoarseOnlyWhileRunningForward)
{
    struct Row { const char *name; int yxClicks; int runStep; std::size_t dots; };
    const Row rows[] = {{"off", 0, 1, 0},           {"full", 1, 1, 300},          {"coarse forward", 2, 1, 15},
                        {"coarse stopped", 2, 0, 300}, {"coarse backward", 2, -1, 300}, {"off again", 3, 1, 0}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openStanding("ondel5");
        StandingDemonstrator &program = *window;
        for (int k = 0; k < row.yxClicks; ++k)
            program.perform(Action::NextCurveMode);
        program.state().runStep = row.runStep;
        program.nextFrame();
        const auto dots = circlesOf(program.frame(), 40);
        ASSERT_EQ(dots.size(), row.dots);
        if (row.dots == 15) {
            for (std::size_t k = 0; k < 15; ++k)
                EXPECT_EQ(dots[k].centre.x, 250 + 1000.0 * k); // j = 1, 21, ..., 281
        }
    }
}

TEST(StandingWave, CurvePassesThroughTheParticles)
{
    for (const Program &p : programs)
        for (int standing : {0, 1}) {
            SCOPED_TRACE(p.name + (standing ? " standing" : " travelling"));
            const auto window = openStanding(p.name);
            StandingDemonstrator &program = *window;
            program.perform(Action::NextCurveMode);
            if (standing)
                program.perform(Action::ToggleStandingWave);
            for (std::int64_t t : {-7, 0, 5, 13}) {
                const auto particles = particlesAt(program, t);
                const auto dots = circlesOf(program.frame(), 40);
                ASSERT_EQ(dots.size(), 300u);
                for (int i = 1; i <= 15; ++i) {
                    EXPECT_EQ(dots[20 * i - 1].centre.x, particles[i - 1].centre.x);
                    EXPECT_NEAR(dots[20 * i - 1].centre.y, particles[i - 1].centre.y, 0.1) << t << " " << i;
                }
            }
        }
}

TEST(StandingWave, ParticleColoursInBothRows)
{
    struct Row { int particle; Rgb transverse; Rgb longitudinalFill; Rgb longitudinalRim; };
    const Row rows[] = {{1, colour::green, colour::yellow, colour::green},
                        {6, colour::red, colour::magenta, colour::red},
                        {2, colour::blue, colour::cyan, colour::blue},
                        {15, colour::blue, colour::cyan, colour::blue}};
    for (int separate : {1, 0}) {
        const auto window = openStanding("ondel3a");
        StandingDemonstrator &program = *window;
        program.perform(Action::ToggleLongitudinal);
        program.perform(separate ? Action::RowsSeparate : Action::RowsOverlaid);
        const auto all = particlesAt(program, 4);
        for (const Row &row : rows) {
            const CircleOp &across = all[2 * row.particle - 2];
            const CircleOp &along = all[2 * row.particle - 1];
            EXPECT_EQ(across.fill, row.transverse) << row.particle;
            EXPECT_EQ(across.rim, row.transverse) << row.particle;
            EXPECT_EQ(along.fill, row.longitudinalFill) << row.particle;
            EXPECT_EQ(along.rim, row.longitudinalRim) << row.particle;
            EXPECT_EQ(along.centre.y, separate ? 4000 : 2000);
        }
    }
}

// One update of the y-t picture as the class sees it: erase the last marker,
// the new one, and the newest segments, all at picture y = window y - 600.
std::vector<Primitive> expectedUpdate(const TraceConfig &config, int column, double y, double prev1, double prev2,
                                      double prev3)
{
    const double w = config.columnWidth;
    const auto at = [&](int c, double windowY) { return Point{w * c, windowY - 600}; };
    std::vector<Primitive> ops{LineWidthOp{4},
                               LineOp{{200, 1400}, {12000, 1400}},
                               LineOp{{1000, 400}, {1000, 2400}},
                               TextOp{{11000, 800}, "t"},
                               TextOp{{600, 50}, "y"},
                               CircleOp{at(column - 1, prev1), 200, colour::background, colour::background},
                               CircleOp{at(column, y), 200, colour::red, colour::red},
                               LineOp{at(column - 1, prev1), at(column, y)},
                               LineOp{at(column - 2, prev2), at(column - 1, prev1)}};
    if (config.historyDepth == 3)
        ops.push_back(LineOp{at(column - 3, prev3), at(column - 2, prev2)});
    return ops;
}

TEST(StandingTrace, UpdateDrawsMarkerAndSegmentsWithTheOldestPointRounded)
{
    for (const Program &p : programs) {
        SCOPED_TRACE(p.name);
        const auto window = openStanding(p.name);
        StandingDemonstrator &program = *window;
        program.perform(Action::ToggleTrace);
        const auto seed = program.takePictureOps();
        ASSERT_EQ(seed.size(), 4u);
        EXPECT_EQ(seed[2], Primitive(LineOp{{200, 1400}, {11500, 1400}}));
        for (int k = 0; k < 2; ++k)
            program.nextFrame();
        program.takePictureOps();
        program.nextFrame(); // t = 3, column 7

        const auto y = [&](int t) { return expectedForwardY(p, t, 6); };
        const bool deep = program.traceConfig().historyDepth == 3;
        const double prev2 = deep ? y(1) : std::nearbyint(y(1));
        EXPECT_EQ(program.takePictureOps(),
                  expectedUpdate(program.traceConfig(), 7, y(3), y(2), prev2, std::nearbyint(y(0))));
        EXPECT_EQ(program.state().ytColumn, 8);
        EXPECT_NE(y(1), std::nearbyint(y(1))); // the rounding matters here
    }
}

TEST(StandingTrace, WrapsToColumnOneAfterItsColumnCount)
{
    for (const Program &p : programs) {
        SCOPED_TRACE(p.name);
        const auto window = openStanding(p.name);
        StandingDemonstrator &program = *window;
        program.perform(Action::ToggleTrace);
        const int count = program.traceConfig().columnCount;
        for (int cycle = 0; cycle < 2; ++cycle) {
            // From column 5 to the last; then, with the point at column 1,
            // a whole round of `count` points.
            for (int k = 0; k < (cycle == 0 ? count - 4 : count - 1); ++k)
                program.nextFrame();
            ASSERT_EQ(program.state().ytColumn, 1);
            const double lastY = program.state().ytPrevY1;
            program.takePictureOps();
            program.nextFrame();
            const auto ops = program.takePictureOps();
            const auto markers = circlesOf(ops);
            const auto segments = opsOf<LineOp>(ops);
            ASSERT_EQ(segments.size(), 2u + program.traceConfig().historyDepth);
            const double width = program.traceConfig().columnWidth;
            EXPECT_EQ(markers[1].centre, (Point{width, program.state().ytPrevY1 - 600}));
            EXPECT_EQ(segments[2].from, (Point{0, lastY - 600}));
        }
    }
}

TEST(StandingTrace, StartsFromTheForwardWaveWhileTheStandingWaveShows)
{
    for (const Program &p : programs) {
        SCOPED_TRACE(p.name);
        const auto window = openStanding(p.name);
        StandingDemonstrator &program = *window;
        const int quarter = 2 * p.ticksPerSpacing; // the standing wave lies flat
        program.state().timeIndex = quarter - 1;
        program.perform(Action::TraceGreen); // particle 1; particle 6 is an antinode, where both coincide
        program.perform(Action::ToggleStandingWave);
        program.perform(Action::ToggleTrace);
        program.takePictureOps();
        program.nextFrame();
        const auto segments = opsOf<LineOp>(program.takePictureOps());
        const auto particles = circlesOf(program.frame(), 300);
        const double forwardY = expectedForwardY(p, quarter - 1, 1);
        EXPECT_EQ(segments[2].from, (Point{4.0 * program.traceConfig().columnWidth, forwardY - 600}));
        EXPECT_EQ(segments[2].to, (Point{5.0 * program.traceConfig().columnWidth, particles[0].centre.y - 600}));
        EXPECT_NEAR(particles[0].centre.y, 2000, 100);
        EXPECT_GT(std::abs(forwardY - particles[0].centre.y), 500);
    }
}

TEST(StandingWave, TimeRunsFreelyPastZeroAndPast32Bits)
{
    struct Row { const char *name; std::int64_t start; int runStep; int ticks; };
    const std::int64_t big = std::numeric_limits<std::int32_t>::max();
    const Row rows[] = {{"backward from the start", 0, -1, 7},
                        {"forward past 2^31", big - 2, 1, 5},
                        {"backward past -2^31", -big, -1, 5}};
    for (const Program &p : programs)
        for (const Row &row : rows) {
            SCOPED_TRACE(p.name + " " + row.name);
            const auto window = openStanding(p.name);
            StandingDemonstrator &program = *window;
            program.state().timeIndex = row.start;
            program.state().runStep = row.runStep;
            program.state().direction = row.runStep;
            for (int k = 0; k < row.ticks; ++k)
                program.nextFrame();
            const std::int64_t t = row.start + row.runStep * row.ticks;
            ASSERT_EQ(program.state().timeIndex, t);
            const auto particles = circlesOf(program.frame(), 300);
            for (int i = 1; i <= 15; ++i)
                EXPECT_NEAR(particles[i - 1].centre.y, expectedForwardY(p, double(t), i), 1e-6) << i;
            program.perform(Action::StopOrStep); // stop
            program.perform(Action::StopOrStep); // one step on, no wrap
            EXPECT_EQ(program.state().timeIndex, t + row.runStep);
        }
}

TEST(StandingWave, SiblingsShowTheSameWave)
{
    struct Row { const char *name; const char *a; const char *b; int timeFactorOfA; };
    const Row rows[] = {{"ondel3 and ondel3a", "ondel3", "ondel3a", 1},
                        {"ondel5 at twice the ticks of ondel5a", "ondel5", "ondel5a", 2}};
    for (const Row &row : rows)
        for (int standing : {0, 1}) {
            SCOPED_TRACE(std::string(row.name) + (standing ? " standing" : ""));
            const auto windowA = openStanding(row.a);
            const auto windowB = openStanding(row.b);
            StandingDemonstrator &a = *windowA;
            StandingDemonstrator &b = *windowB;
            for (StandingDemonstrator *program : {&a, &b}) {
                program->perform(Action::ToggleLongitudinal);
                if (standing)
                    program->perform(Action::ToggleStandingWave);
            }
            for (std::int64_t t = -60; t <= 60; t += 7) {
                const auto inA = particlesAt(a, row.timeFactorOfA * t);
                const auto inB = particlesAt(b, t);
                for (std::size_t k = 0; k < 30; ++k) {
                    EXPECT_NEAR(inA[k].centre.x, inB[k].centre.x, 0.1) << t << " " << k;
                    EXPECT_NEAR(inA[k].centre.y, inB[k].centre.y, 0.1) << t << " " << k;
                }
            }
        }
}

} // namespace
} // namespace ondel
