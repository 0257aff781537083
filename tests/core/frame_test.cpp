// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/primitive_printing.h"

#include "programs/registry.h"
#include "tests/support/frame_circles.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace ondel {
namespace {

using Ops = std::vector<Primitive>;

// A pulse data file whose every record is `record`, as Text1 names it.
std::string constantPulseFile(const test_support::TempDir &dir, const std::string &record)
{
    std::string bytes;
    for (int k = 0; k < 3200; ++k)
        bytes += record + "\n";
    return dir.writePulseFile("constant", bytes);
}

using test_support::circlesOf;

// The y-x dots of the last frame (radius 40).
std::vector<CircleOp> dotsOf(const Demonstrator &program) { return circlesOf(program.frame(), 40); }

// ondel8 with both rows shown, the medium at rest unless a file is loaded.
class Ondel8Frame : public ::testing::Test {
protected:
    void showBothRows()
    {
        program.perform(Action::ToggleTransverse);
        program.perform(Action::ToggleLongitudinal);
    }
    void load(const std::string &record)
    {
        program.setText(Action::PulseFileName, constantPulseFile(dir, record));
        program.perform(Action::LoadPulse);
        ASSERT_FALSE(program.takeMessage().has_value());
    }
    std::vector<CircleOp> circles() const { return circlesOf(program.frame()); }
    std::vector<CircleOp> dots() const { return dotsOf(program); }

    test_support::TempDir dir;
    const std::unique_ptr<Demonstrator> ondel8 = makeProgram("ondel8");
    Demonstrator &program = *ondel8;
};

TEST_F(Ondel8Frame, DrawsAxesThenEachParticleTransverseThenLongitudinalThenTheDots)
{
    showBothRows();
    program.nextFrame();
    const Ops &ops = program.frame().ops();
    ASSERT_EQ(ops.size(), 2u + 3u + 30u + 900u);
    const Ops head{
        ClearOp{},
        LineWidthOp{4},
        LineOp{{200, 3000}, {15500, 3000}, colour::black},
        LineOp{{200, 5000}, {15500, 5000}, colour::black},
        LineOp{{1200, 1700}, {1200, 4200}, colour::black},
    };
    EXPECT_EQ(Ops(ops.begin(), ops.begin() + 5), head);
    for (int i = 1; i <= 15; ++i) {
        const auto &transverse = std::get<CircleOp>(ops.at(5 + 2 * (i - 1)));
        const auto &longitudinal = std::get<CircleOp>(ops.at(6 + 2 * (i - 1)));
        EXPECT_EQ(transverse.centre, (Point{200.0 + 1000 * i, 3000})) << "particle " << i;
        EXPECT_EQ(transverse.radius, 300) << "particle " << i;
        EXPECT_EQ(longitudinal.centre, (Point{200.0 + 1000 * i, 5000})) << "particle " << i;
        EXPECT_EQ(longitudinal.radius, 300) << "particle " << i;
    }
    for (std::size_t k = 35; k < ops.size(); ++k)
        EXPECT_EQ(std::get<CircleOp>(ops[k]).radius, 40) << "op " << k;
}

TEST_F(Ondel8Frame, ColoursMarkTheGreenAndTheRedParticle)
{
    struct Row {
        int particle;
        Rgb transverseFill, transverseRim, longitudinalFill, longitudinalRim;
    };
    const Row rows[] = {
        {1, colour::green, colour::green, colour::green, colour::green},
        {2, colour::black, colour::black, colour::cyan, colour::black},
        {5, colour::black, colour::black, colour::cyan, colour::black},
        {6, colour::magenta, colour::magenta, colour::magenta, colour::magenta},
        {7, colour::black, colour::black, colour::cyan, colour::black},
        {15, colour::black, colour::black, colour::cyan, colour::black},
    };
    showBothRows();
    program.nextFrame();
    const std::vector<CircleOp> all = circles();
    for (const Row &row : rows) {
        const CircleOp &transverse = all.at(2 * (row.particle - 1));
        const CircleOp &longitudinal = all.at(2 * (row.particle - 1) + 1);
        EXPECT_EQ(transverse.fill, row.transverseFill) << "particle " << row.particle;
        EXPECT_EQ(transverse.rim, row.transverseRim) << "particle " << row.particle;
        EXPECT_EQ(longitudinal.fill, row.longitudinalFill) << "particle " << row.particle;
        EXPECT_EQ(longitudinal.rim, row.longitudinalRim) << "particle " << row.particle;
    }
}

TEST_F(Ondel8Frame, CombinedRowsPutTheLongitudinalParticleOverTheTransverseOne)
{
    showBothRows();
    program.perform(Action::RowsOverlaid);
    program.perform(Action::NextCurveMode);
    program.perform(Action::NextCurveMode);
    program.perform(Action::NextCurveMode); // curves off: particles only
    program.nextFrame();
    const std::vector<CircleOp> all = circles();
    ASSERT_EQ(all.size(), 30u);
    for (int i = 1; i <= 15; ++i) {
        const CircleOp &transverse = all[2 * (i - 1)];
        const CircleOp &longitudinal = all[2 * (i - 1) + 1];
        EXPECT_EQ(transverse.centre, longitudinal.centre) << "particle " << i;
        EXPECT_EQ(longitudinal.centre.y, 3000) << "particle " << i;
    }
}

TEST(Ondel8YxCurves, ModesChooseTheCurves)
{
    struct Row {
        const char *name;
        int clicks; // presses of y-x線 from the initial mode, components and sum
        CurveMode mode;
        std::size_t dots;
        std::set<std::pair<double, Rgb>> heights; // rest height and colour of the dots
    };
    const Row rows[] = {
        {"components and sum", 0, CurveMode::ComponentsAndSum, 900,
         {{2975, colour::blue}, {3025, colour::red}, {3000, colour::black}}},
        {"sum only", 1, CurveMode::SumOnly, 300, {{3000, colour::black}}},
        {"components only", 2, CurveMode::ComponentsOnly, 600, {{2975, colour::blue}, {3025, colour::red}}},
        {"off", 3, CurveMode::Off, 0, {}},
    };
    for (const Row &row : rows) {
        const auto program = makeProgram("ondel8");
        Demonstrator &fresh = *program;
        for (int k = 0; k < row.clicks; ++k)
            fresh.perform(Action::NextCurveMode);
        ASSERT_EQ(fresh.state().yxMode, row.mode) << row.name;
        fresh.nextFrame();
        const std::vector<CircleOp> found = dotsOf(fresh);
        EXPECT_EQ(found.size(), row.dots) << row.name;
        std::set<std::pair<double, Rgb>> heights;
        std::set<double> xs;
        for (const CircleOp &dot : found) {
            heights.emplace(dot.centre.y, dot.fill);
            EXPECT_EQ(dot.fill, dot.rim) << row.name;
            xs.insert(dot.centre.x);
        }
        EXPECT_EQ(heights, row.heights) << row.name;
        if (row.dots != 0) {
            EXPECT_EQ(xs.size(), 300u) << row.name;
            EXPECT_EQ(*xs.begin(), 250) << row.name;
            EXPECT_EQ(*xs.rbegin(), 15200) << row.name;
        }
    }
}

TEST_F(Ondel8Frame, DisplacementScalesAcrossAndAlongTheRows)
{
    // Every sample 0.5 forward and 0.25 backward: d = 0.75 everywhere.
    load("0.5,0.25");
    showBothRows();
    program.nextFrame();
    const std::vector<CircleOp> all = circles();
    const CircleOp &transverse = all.at(2 * 3);
    const CircleOp &longitudinal = all.at(2 * 3 + 1);
    EXPECT_EQ(transverse.centre, (Point{4200, 2250})) << "1000 twips up per unit";
    EXPECT_EQ(longitudinal.centre, (Point{4387.5, 5000})) << "250 twips right per unit";

    const std::vector<CircleOp> found = dots();
    ASSERT_EQ(found.size(), 900u);
    EXPECT_EQ(found[0].centre, (Point{250, 2475})) << "forward component, 25 up";
    EXPECT_EQ(found[1].centre, (Point{250, 2775})) << "backward component, 25 down";
    EXPECT_EQ(found[2].centre, (Point{250, 2250})) << "sum";
}

TEST(Ondel8YxCurves, BackwardComponentIsHeldAsAWholeTwipWithinSixteenBits)
{
    struct Row {
        const char *record;
        double redY, blackY;
    };
    const Row rows[] = {
        {"0,0.0004", 3025, 3000},      // 0.4 twips up rounds back onto the axis
        {"0,-0.0025", 3027, 3002},     // 2.5 twips down rounds to even, 2
        {"0,40", -32743, -32768},      // 37000 twips up is held at the 16-bit limit
    };
    for (const Row &row : rows) {
        test_support::TempDir dir;
        const auto ondel8 = makeProgram("ondel8");
        Demonstrator &program = *ondel8;
        program.setText(Action::PulseFileName, constantPulseFile(dir, row.record));
        program.perform(Action::LoadPulse);
        ASSERT_FALSE(program.takeMessage().has_value()) << row.record;
        program.nextFrame();
        const std::vector<CircleOp> found = dotsOf(program);
        ASSERT_EQ(found.size(), 900u) << row.record;
        EXPECT_EQ(found[1].centre.y, row.redY) << row.record;
        EXPECT_EQ(found[2].centre.y, row.blackY) << row.record;
    }
}

TEST_F(Ondel8Frame, TimerAdvancesAndWrapsTime)
{
    struct Row {
        const char *name;
        std::int64_t start;
        int runStep;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"forward", 0, 1, 1},
        {"forward past 2880", 2880, 1, 0},
        {"backward past 0", 0, -1, 2880},
        {"stopped", 1234, 0, 1234},
    };
    for (const Row &row : rows) {
        program.state().timeIndex = row.start;
        program.state().runStep = row.runStep;
        program.nextFrame();
        EXPECT_EQ(program.state().timeIndex, row.expected) << row.name;
    }
}

TEST_F(Ondel8Frame, RestingParticleTracesOnTheTimeAxis)
{
    program.perform(Action::ToggleTransverse);
    program.perform(Action::ToggleTrace);
    (void)program.takePictureOps();
    program.nextFrame();
    const Ops picture = program.takePictureOps();
    ASSERT_EQ(picture.size(), 10u);
    EXPECT_EQ(std::get<CircleOp>(picture[6]), (CircleOp{{625, 1400}, 200, colour::magenta, colour::red}));
    for (std::size_t k = 7; k < 10; ++k) {
        const auto &segment = std::get<LineOp>(picture[k]);
        EXPECT_EQ(segment.from.y, 1400) << "segment " << k;
        EXPECT_EQ(segment.to.y, 1400) << "segment " << k;
    }
    EXPECT_EQ(program.state().ytColumn, 6);
}

TEST_F(Ondel8Frame, TraceFollowsTheTracedParticlesDisplacement)
{
    load("0.5,0.25");
    program.perform(Action::ToggleTransverse);
    program.perform(Action::TraceGreen); // particle 1
    program.perform(Action::ToggleTrace);
    (void)program.takePictureOps();
    program.nextFrame();
    const Ops picture = program.takePictureOps();
    ASSERT_EQ(picture.size(), 10u);
    // Window y 2250 -> picture y 2250 / 2 - 100.
    EXPECT_EQ(std::get<CircleOp>(picture[6]), (CircleOp{{625, 1025}, 200, colour::green, colour::green}));
    EXPECT_DOUBLE_EQ(program.state().ytPrevY1, 2250);
}

TEST_F(Ondel8Frame, StoppedTraceWaitsForASingleStepAndTheTransverseRow)
{
    program.perform(Action::ToggleTrace);
    (void)program.takePictureOps();
    program.perform(Action::StopOrStep); // stop
    program.nextFrame();
    EXPECT_EQ(program.state().ytColumn, 5) << "stopped: no trace point";

    program.perform(Action::StopOrStep); // one step, owed to the trace
    EXPECT_TRUE(program.state().stepPending);
    for (int k = 0; k < 3; ++k)
        program.nextFrame();
    EXPECT_EQ(program.state().ytColumn, 5) << "no transverse row, no trace point";
    EXPECT_TRUE(program.state().stepPending);
    EXPECT_TRUE(program.takePictureOps().empty());

    program.perform(Action::ToggleTransverse); // transverse row on
    program.nextFrame();
    EXPECT_EQ(program.state().ytColumn, 6);
    EXPECT_FALSE(program.state().stepPending);
    EXPECT_EQ(program.takePictureOps().size(), 10u);

    program.nextFrame();
    program.nextFrame();
    EXPECT_EQ(program.state().ytColumn, 6) << "one point per single step";
    EXPECT_TRUE(program.takePictureOps().empty());
}

TEST_F(Ondel8Frame, RunningTraceAddsOnePointPerTick)
{
    program.perform(Action::ToggleTransverse);
    program.perform(Action::ToggleTrace);
    for (int k = 0; k < 100; ++k)
        program.nextFrame();
    // Column 5 plus 100 points: past 96 and round again.
    EXPECT_EQ(program.state().ytColumn, 9);
}

} // namespace
} // namespace ondel
