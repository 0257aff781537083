// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/primitive_printing.h"

#include "programs/registry.h"
#include "reflection/reflection_demonstrator.h"
#include "shell/state/geometry.h"
#include "shell/drawing/render.h"
#include "tests/support/frame_circles.h"
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

namespace ondel {
namespace {

constexpr double endX = 9200; // window x of data position 180
constexpr double tolerance = 1e-3;

// The pulse data file "pulse.csv" in a directory of its own. `first` maps
// record numbers to the first column's value; every other record up to the
// last one named is 0.
class PulseFile {
public:
    explicit PulseFile(const std::map<int, float> &first) : base_(dir_.writePulseFile("pulse", text(first))) {}

    const std::string &baseName() const { return base_; }

private:
    static std::string text(const std::map<int, float> &first)
    {
        std::ostringstream out;
        const int last = first.empty() ? 0 : first.rbegin()->first;
        for (int k = 1; k <= last; ++k) {
            const auto it = first.find(k);
            out << (it == first.end() ? 0.0f : it->second) << ",0\n";
        }
        return out.str();
    }

    test_support::TempDir dir_;
    std::string base_;
};

// ondel9 with `file` loaded, the transverse row shown and `endPresses`
// presses of "自由固定".
std::unique_ptr<ReflectionDemonstrator> ondel9With(const PulseFile &file, int endPresses = 0)
{
    auto program = test_support::openProgram<ReflectionDemonstrator>("ondel9");
    program->setText(Action::PulseFileName, file.baseName());
    program->perform(Action::LoadPulse);
    EXPECT_EQ(program->takeMessage(), std::nullopt);
    program->perform(Action::ToggleTransverse);
    for (int i = 0; i < endPresses; ++i)
        program->perform(Action::NextEndCondition);
    return program;
}

std::unique_ptr<ReflectionDemonstrator> ondel10With(int endPresses = 0)
{
    auto program = test_support::openProgram<ReflectionDemonstrator>("ondel10");
    program->perform(Action::ToggleTransverse);
    for (int i = 0; i < endPresses; ++i)
        program->perform(Action::NextEndCondition);
    return program;
}

// Draws the frame of time t (whatever the run state).
void frameAt(Demonstrator &program, std::int64_t t)
{
    program.state().timeIndex = t - program.state().runStep;
    program.nextFrame();
}

std::vector<CircleOp> circles(const DrawList &frame, double radius, std::optional<Rgb> fill = std::nullopt)
{
    std::vector<CircleOp> found;
    for (const CircleOp &circle : test_support::circlesOf(frame, radius))
        if (!fill || circle.fill == *fill)
            found.push_back(circle);
    return found;
}

// Displacement of transverse particle i in the last frame (only the
// transverse row shown), in units of 1000 twips.
double particleDisplacement(const Demonstrator &program, int particle)
{
    const auto particles = circles(program.frame(), geometry::particleRadius);
    EXPECT_EQ(particles.size(), 9u);
    return (3000.0 - particles.at(particle - 1).centre.y) / 1000.0;
}

// Window y of the dot of `fill` at data position j, by its window x.
std::map<int, double> dotsByPosition(const DrawList &frame, Rgb fill)
{
    std::map<int, double> dots;
    for (const CircleOp &dot : circles(frame, geometry::dotRadius, fill))
        dots[static_cast<int>(std::lround((dot.centre.x - 200) / 50))] = dot.centre.y;
    return dots;
}

std::optional<LineOp> endLine(const DrawList &frame)
{
    for (const Primitive &op : frame.ops())
        if (const auto *line = std::get_if<LineOp>(&op))
            if (line->from == Point{9250, 100} && line->to == Point{9350, 6200})
                return *line;
    return std::nullopt;
}

TEST(Ondel9Reflection, SingleSampleMeetsTheEndAndComesBack)
{
    struct Row {
        const char *name;
        int index;       // m: where the sample is stored
        int endPresses;  // 0 free, 1 fixed
        int timeOffset;  // the frame's time is m + timeOffset
        int particle;
        double times;    // expected displacement in units of the sample
    };
    const Row rows[] = {
        {"reaches particle 1", 1000, 0, -300, 1, 1},
        {"doubled at a free end", 1000, 0, -140, 9, 2},
        {"not yet at the free end", 1000, 0, -141, 9, 0},
        {"at rest at a fixed end", 1000, 1, -140, 9, 0},
        {"back at particle 1 from a free end", 1000, 0, 20, 1, 1},
        {"back at particle 1 inverted from a fixed end", 1000, 1, 20, 1, -1},
        {"not back a tick early", 1000, 1, 19, 1, 0},
        {"gone a tick later", 1000, 1, 21, 1, 0},
        {"reflected pulse halfway back", 1000, 1, -40, 4, -1},
        {"lowest index on the row at time 20", 320, 0, -300, 1, 1},
        {"highest index back at time 2880", 2860, 1, 20, 1, -1},
        {"pressed twice is free again", 2860, 2, -140, 9, 2},
    };
    constexpr float v = 0.75f;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const PulseFile file({{row.index, v}});
        auto program = ondel9With(file, row.endPresses);
        frameAt(*program, row.index + row.timeOffset);
        EXPECT_NEAR(particleDisplacement(*program, row.particle), row.times * v, tolerance);
        EXPECT_EQ(program->forwardPulse().outOfRangeReads(), 0);
    }
}

TEST(Ondel9Reflection, EndSwitchInvertsTheReflectedPulseAtTheNextFrame)
{
    // Pulse A (records 900..920) has passed the end and is on its way back
    // around particle 5 at time 850; pulse B (1100..1120) comes in around
    // particle 3.
    std::map<int, float> samples;
    for (int k = 900; k <= 920; ++k)
        samples[k] = 0.5f;
    for (int k = 1100; k <= 1120; ++k)
        samples[k] = 0.3f;
    const PulseFile file(samples);
    auto program = ondel9With(file);
    program->perform(Action::StopOrStep); // stop
    frameAt(*program, 850);
    const auto blueBefore = dotsByPosition(program->frame(), colour::blue);
    const auto redBefore = dotsByPosition(program->frame(), colour::red);
    EXPECT_NEAR(particleDisplacement(*program, 5), 0.5, tolerance);
    EXPECT_NEAR(particleDisplacement(*program, 3), 0.3, tolerance);

    program->perform(Action::NextEndCondition);
    program->nextFrame();
    EXPECT_EQ(program->state().timeIndex, 850);
    EXPECT_NEAR(particleDisplacement(*program, 5), -0.5, tolerance);
    EXPECT_NEAR(particleDisplacement(*program, 3), 0.3, tolerance);
    EXPECT_EQ(dotsByPosition(program->frame(), colour::blue), blueBefore);
    const auto redAfter = dotsByPosition(program->frame(), colour::red);
    ASSERT_EQ(redAfter.size(), redBefore.size());
    for (const auto &[j, y] : redBefore)
        EXPECT_NEAR(redAfter.at(j) - 3025, -(y - 3025), tolerance) << "data position " << j;
}

TEST(Ondel9Reflection, FixedEndMirrorsTheIncidentCurveUpsideDown)
{
    // A smooth bump with values that do not land on whole twips, half of it
    // through the end at time 600.
    std::map<int, float> samples;
    for (int k = 700; k <= 820; ++k)
        samples[k] = static_cast<float>(0.937 * std::sin((k - 700) * 3.14159265 / 120));
    const PulseFile file(samples);
    auto program = ondel9With(file, 1);
    program->perform(Action::NextCurveMode);
    program->perform(Action::NextCurveMode);
    ASSERT_EQ(program->state().yxMode, CurveMode::ComponentsOnly);
    frameAt(*program, 600);

    EXPECT_TRUE(circles(program->frame(), geometry::dotRadius, colour::black).empty());
    const auto blue = dotsByPosition(program->frame(), colour::blue);
    const auto red = dotsByPosition(program->frame(), colour::red);
    double deepest = 0;
    for (int x = 60; x <= 180; ++x) {
        const double below = red.at(x) - 3025;
        const double above = 2975 - blue.at(360 - x);
        EXPECT_NEAR(below, above, 0.5 + tolerance) << "data position " << x;
        deepest = std::max(deepest, below);
    }
    EXPECT_GT(deepest, 500); // the mirror image is really there
}

TEST(ReflectionEnd, EndLineFollowsTheSwitchEvenWhenStopped)
{
    struct Row {
        const char *name;
        const char *program;
        int presses;
        std::optional<Rgb> colour;
    };
    const Row rows[] = {
        {"ondel9 free at load", "ondel9", 0, colour::magenta},
        {"ondel9 fixed", "ondel9", 1, colour::black},
        {"ondel9 free again", "ondel9", 2, colour::magenta},
        {"ondel10 free at load", "ondel10", 0, colour::magenta},
        {"ondel10 fixed", "ondel10", 1, colour::black},
        {"ondel10 non-reflecting: no line", "ondel10", 2, std::nullopt},
        {"ondel10 free again", "ondel10", 3, colour::magenta},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto program = makeProgram(row.program);
        program->perform(Action::StopOrStep);
        program->nextFrame();
        for (int i = 0; i < row.presses; ++i)
            program->perform(Action::NextEndCondition);
        program->nextFrame();
        const auto line = endLine(program->frame());
        ASSERT_EQ(line.has_value(), row.colour.has_value());
        if (line) {
            EXPECT_EQ(line->colour, *row.colour);
            // Right after clear, line width and the three axes: behind
            // every particle.
            EXPECT_EQ(program->frame().ops().at(5), Primitive{*line});
        }
    }
}

TEST(ReflectionCurves, NothingReflectedBeyondTheEnd)
{
    // Frames of each program with a busy pulse, in every curve mode.
    struct Row {
        const char *name;
        bool slider;
        int endPresses;
        bool nonReflecting; // no red dots at all, the sum runs on to the edge
    };
    const Row rows[] = {
        {"ondel9 free", false, 0, false},
        {"ondel9 fixed", false, 1, false},
        {"ondel10 free", true, 0, false},
        {"ondel10 fixed", true, 1, false},
        {"ondel10 non-reflecting", true, 2, true},
    };
    std::map<int, float> samples;
    for (int k = 1; k <= 3200; ++k)
        samples[k] = static_cast<float>(std::sin(k * 0.7) + std::cos(k * 0.13));
    const PulseFile file(samples);

    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<Demonstrator> program;
        if (row.slider)
            program = ondel10With(row.endPresses);
        else
            program = ondel9With(file, row.endPresses);
        for (const CurveMode mode : {CurveMode::ComponentsAndSum, CurveMode::SumOnly, CurveMode::ComponentsOnly}) {
            program->state().yxMode = mode;
            for (int t = 300; t < 700; ++t) {
                program->setValue(Action::SlideBar, (t * 37) % 256);
                frameAt(*program, t);
                int redDots = 0;
                int redDotsBeyond = 0;
                int sumDotsBeyond = 0;
                for (const CircleOp &dot : circles(program->frame(), geometry::dotRadius)) {
                    redDots += dot.fill == colour::red;
                    redDotsBeyond += dot.fill == colour::red && dot.centre.x > endX;
                    sumDotsBeyond += dot.fill == colour::black && dot.centre.x > endX;
                }
                // The reflected curve's stand-ins on the axis: red, rimmed
                // black in ondel10 so that they show against the sum's.
                int smallReflected = 0;
                for (const CircleOp &dot : circles(program->frame(), 1, colour::red)) {
                    smallReflected += 1;
                    EXPECT_EQ(dot.rim, row.slider ? colour::black : colour::red);
                    EXPECT_EQ(dot.centre.y, 3000);
                }
                const bool componentsShown = mode != CurveMode::SumOnly;
                const bool sumShown = mode != CurveMode::ComponentsOnly;
                const std::string when = "t " + std::to_string(t) + " mode " + std::to_string(static_cast<int>(mode));
                EXPECT_EQ(redDots, componentsShown && !row.nonReflecting ? 180 : 0) << when;
                EXPECT_EQ(redDotsBeyond, 0) << when;
                EXPECT_EQ(smallReflected, componentsShown ? (row.nonReflecting ? 300 : 120) : 0) << when;
                EXPECT_EQ(sumDotsBeyond, row.nonReflecting && sumShown ? 120 : 0) << when;
            }
        }
    }
}

TEST(Ondel10Slider, SamplesFollowTheBarAtMostThirtyATick)
{
    struct Row {
        const char *name;
        int barValue;
        std::vector<int> samples; // on successive ticks
    };
    const Row rows[] = {
        {"thumb to the top: the front rises over five ticks", 0, {98, 68, 38, 8, 0, 0}},
        {"then to the bottom", 255, {30, 60, 90, 120, 150, 180, 210, 240, 255, 255}},
        {"a small move is taken whole", 240, {240}},
        {"back to rest", 128, {210, 180, 150, 128}},
    };
    auto program = ondel10With();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        program->setValue(Action::SlideBar, row.barValue);
        for (const int expected : row.samples) {
            program->nextFrame();
            EXPECT_EQ(program->sliderSamples().sample(program->state().timeIndex + 320), expected);
        }
    }
    EXPECT_EQ(program->sliderSamples().outOfRangeAccesses(), 0);
}

TEST(Ondel10Slider, SampleIsTheDisplacementOfTheLeftEnd)
{
    struct Row {
        int value;
        float displacement;
    };
    for (const auto [value, displacement] : {Row{0, 1.4f}, Row{128, 0.0f}, Row{255, -1.3890625f}, Row{98, 0.328125f}}) {
        SliderSamples samples;
        for (int t = 0; t < 10; ++t)
            samples.record(t, value);
        EXPECT_EQ(samples.sample(329), value);
        EXPECT_FLOAT_EQ(samples.at(329), displacement) << value;
    }
}

TEST(Ondel10Slider, OddValuesAndTimesAreHarmless)
{
    struct Row {
        const char *name;
        int held;           // the bar's value over the ticks before
        int value;          // its value as the window hands it over
        std::int64_t time;
        int expectedSample; // at time + 320, when in range
        int outOfRange;
    };
    constexpr std::int64_t lastTime = SliderSamples::lastIndex - 320;
    const Row rows[] = {
        {"above the range, from rest: limited", 128, 10000, 100, 158, 0},
        {"above the range, near the bottom: the bottom", 250, 10000, 100, 255, 0},
        {"below the range, near the top: the top", 5, -10000, 100, 0, 0},
        {"last storable time", 128, 0, lastTime, 98, 0},
        {"beyond the store: dropped", 128, 0, lastTime + 1, -1, 1},
        {"before the store: the sample below reads as rest, dropped", 128, 0, -321, -1, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SliderSamples samples;
        for (std::int64_t t = row.time - 10; t < row.time; ++t)
            if (t >= 0 && t <= lastTime)
                samples.record(t, row.held);
        samples.record(row.time, row.value);
        if (row.expectedSample >= 0) {
            EXPECT_EQ(samples.sample(row.time + 320), row.expectedSample);
        }
        EXPECT_EQ(samples.outOfRangeAccesses(), row.outOfRange);
    }
}

TEST(Ondel10Slider, ReadsOutsideTheStoreAreRestAndCounted)
{
    SliderSamples samples;
    for (int t = 0; t <= SliderSamples::lastIndex - 320; ++t)
        samples.record(t, 0);
    for (const std::int64_t index : {std::int64_t{-1}, std::int64_t{SliderSamples::lastIndex} + 1}) {
        EXPECT_EQ(samples.sample(index), SliderSamples::rest) << index;
        EXPECT_EQ(samples.at(index), 0.0f) << index;
    }
    EXPECT_EQ(samples.at(SliderSamples::lastIndex), 1.4f);
    EXPECT_EQ(samples.outOfRangeAccesses(), 4);
}

// ondel10 after drawing a one-tick pulse of sample 98 (displacement
// 0.328125) at time t0: the sample enters the medium at t0 + 320.
class OneTickPulse {
public:
    static constexpr std::int64_t t0 = 1000;
    static constexpr double v = 0.328125;

    explicit OneTickPulse(int endPresses) : program_(ondel10With(endPresses))
    {
        program_->state().timeIndex = t0 - 1;
        program_->setValue(Action::SlideBar, 98);
        program_->nextFrame();
        program_->setValue(Action::SlideBar, 128);
        program_->nextFrame();
    }
    ReflectionDemonstrator &program() { return *program_; }

private:
    std::unique_ptr<ReflectionDemonstrator> program_;
};

TEST(Ondel10Reflection, HandDrawnSampleTravelsAndReflects)
{
    struct Row {
        const char *name;
        int endPresses; // 0 free, 1 fixed, 2 non-reflecting
        int timeOffset;
        int particle;
        double times;
    };
    const Row rows[] = {
        {"particle 1 at t + 20", 0, 20, 1, 1},
        {"not at particle 1 a tick early", 0, 19, 1, 0},
        {"free end: doubled at particle 9", 0, 180, 9, 2},
        {"fixed end: particle 9 at rest", 1, 180, 9, 0},
        {"non-reflecting end: particle 9 moves with the incident alone", 2, 180, 9, 1},
        {"free end: back at particle 1 at t + 340", 0, 340, 1, 1},
        {"fixed end: back inverted", 1, 340, 1, -1},
        {"non-reflecting end: nothing comes back", 2, 340, 1, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        OneTickPulse pulse(row.endPresses);
        frameAt(pulse.program(), OneTickPulse::t0 + row.timeOffset);
        EXPECT_NEAR(particleDisplacement(pulse.program(), row.particle), row.times * OneTickPulse::v, tolerance);
    }
}

TEST(Ondel10Reflection, EndConditionsAtTheEndParticle)
{
    // The bar held at the top long enough that the incident and the
    // reflected wave both carry the plateau of +1.4 along the whole row.
    struct Row {
        const char *name;
        int endPresses;
        double everyParticle;
    };
    const Row rows[] = {
        {"free", 0, 2.8},
        {"fixed", 1, 0},
        {"non-reflecting", 2, 1.4},
        {"free after three presses", 3, 2.8},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto program = ondel10With(row.endPresses);
        program->setValue(Action::SlideBar, 0);
        for (int i = 0; i < 400; ++i)
            program->nextFrame();
        for (int i = 1; i <= 9; ++i)
            EXPECT_NEAR(particleDisplacement(*program, i), row.everyParticle, tolerance) << "particle " << i;
    }
}

TEST(Ondel10Slider, StoppedBarChangesNothingUntilResumed)
{
    auto program = ondel10With();
    program->setValue(Action::SlideBar, 0);
    for (int i = 0; i < 60; ++i)
        program->nextFrame();
    program->perform(Action::StopOrStep); // stop
    program->nextFrame();
    const std::int64_t stoppedAt = program->state().timeIndex;
    const auto stoppedFrame = program->frame().ops();

    for (const int value : {255, 128, 200, 255}) {
        program->setValue(Action::SlideBar, value);
        program->nextFrame();
        EXPECT_EQ(program->frame().ops(), stoppedFrame) << "bar at " << value;
    }
    EXPECT_EQ(program->state().timeIndex, stoppedAt);
    // Only the last value, limited against the sample below, enters.
    EXPECT_EQ(program->sliderSamples().sample(stoppedAt + 320), 30);

    program->perform(Action::Resume);
    for (int i = 0; i < 20; ++i)
        program->nextFrame();
    EXPECT_NEAR(particleDisplacement(*program, 1), (128.0 - 30) / 128 * 1.4, tolerance);
}

TEST(ReflectionTime, WrapsAtTheProgramsTimeLimit)
{
    struct Row {
        const char *name;
        const char *program;
        bool singleStep;
        int direction;
        std::int64_t from;
        std::int64_t to;
    };
    const Row rows[] = {
        {"ondel10 timer forward", "ondel10", false, 1, 31500, 0},
        {"ondel10 timer forward below the limit", "ondel10", false, 1, 31499, 31500},
        {"ondel10 timer backward", "ondel10", false, -1, 0, 31500},
        {"ondel10 single step forward", "ondel10", true, 1, 31500, 0},
        {"ondel10 single step backward", "ondel10", true, -1, 0, 31500},
        {"ondel10 passes ondel9's limit", "ondel10", true, 1, 2880, 2881},
        {"ondel9 timer forward", "ondel9", false, 1, 2880, 0},
        {"ondel9 single step backward", "ondel9", true, -1, 0, 2880},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto program = makeProgram(row.program);
        if (row.direction == -1)
            program->perform(Action::Reverse);
        program->state().timeIndex = row.from;
        if (row.singleStep) {
            program->perform(Action::StopOrStep); // stop
            program->perform(Action::StopOrStep); // one step
        } else {
            program->nextFrame();
        }
        EXPECT_EQ(program->state().timeIndex, row.to);
    }
}

TEST(Ondel10Reflection, MediumComesToRestInOneFrameAtTheWrap)
{
    auto program = ondel10With();
    program->state().timeIndex = 31000;
    program->setValue(Action::SlideBar, 0);
    for (int i = 0; i < 500; ++i)
        program->nextFrame();
    ASSERT_EQ(program->state().timeIndex, 31500);
    for (int i = 1; i <= 9; ++i)
        EXPECT_GT(particleDisplacement(*program, i), 1) << "particle " << i;

    program->nextFrame();
    ASSERT_EQ(program->state().timeIndex, 0);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(particleDisplacement(*program, i), 0) << "particle " << i;
    for (const auto &[j, y] : dotsByPosition(program->frame(), colour::red))
        EXPECT_EQ(y, 3025) << "data position " << j;
    for (const auto &[j, y] : dotsByPosition(program->frame(), colour::black))
        EXPECT_EQ(y, 3000) << "data position " << j;
    EXPECT_EQ(program->sliderSamples().outOfRangeAccesses(), 0);
}

TEST(ReflectionTrace, OldestTracePointKeepsFractionsOfATwip)
{
    // Particle 1 held at a displacement that puts it between whole twips.
    std::map<int, float> samples;
    for (int k = 1; k <= 3200; ++k)
        samples[k] = 0.1234567f;
    const PulseFile file(samples);
    auto ondel9 = ondel9With(file);
    auto ondel10 = ondel10With();
    ondel10->setValue(Action::SlideBar, 98);
    for (Demonstrator *program : {static_cast<Demonstrator *>(ondel9.get()), static_cast<Demonstrator *>(ondel10.get())}) {
        program->perform(Action::TraceGreen);
        for (int i = 0; i < 400; ++i)
            program->nextFrame();
        program->perform(Action::ToggleTrace);
        for (int i = 0; i < 3; ++i)
            program->nextFrame();
        const WindowState &state = program->state();
        EXPECT_NE(state.ytPrevY1, std::nearbyint(state.ytPrevY1));
        EXPECT_EQ(state.ytPrevY3, state.ytPrevY1);
    }
}

TEST(ReflectionBounds, NoReadLeavesTheStoreAcrossTheWrapBothWays)
{
    // Forward and backward through each program's wrap with the trace
    // switched on at the first times, where its seed looks two ticks back.
    const PulseFile file({{1, 0.1f}});
    auto ondel9 = ondel9With(file);
    auto ondel10 = ondel10With();
    const std::pair<Demonstrator *, std::int64_t> programs[] = {{ondel9.get(), 2880}, {ondel10.get(), 31500}};
    for (const auto &[program, limit] : programs) {
        program->state().timeIndex = 0;
        program->perform(Action::ToggleTrace);
        program->perform(Action::ToggleTrace);
        program->state().timeIndex = 1;
        program->perform(Action::ToggleTrace);
        program->state().timeIndex = limit - 400;
        for (int i = 0; i < 800; ++i)
            program->nextFrame();
        program->perform(Action::Reverse);
        for (int i = 0; i < 800; ++i)
            program->nextFrame();
    }
    EXPECT_EQ(ondel9->forwardPulse().outOfRangeReads(), 0);
    EXPECT_EQ(ondel10->sliderSamples().outOfRangeAccesses(), 0);
}

} // namespace
} // namespace ondel
