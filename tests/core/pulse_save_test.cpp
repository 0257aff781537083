// SPDX-License-Identifier: GPL-3.0-or-later
// "パルスを保存": a pulse drawn with ondel10's slide bar, saved and loaded in
// ondel9 with the same end, moves every particle exactly as it did in
// ondel10, a whole number of ticks later or earlier; the file is one the
// reader takes, and the teacher is told when nothing was drawn or when the
// drawing was longer than a file holds.
#include "reflection/drawn_pulse.h"
#include "reflection/reflection_demonstrator.h"
#include "shell/pulse/pulse_file.h"
#include "shell/pulse/pulse_writer.h"
#include "tests/support/frame_circles.h"
#include "tests/support/programs.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace ondel {
namespace {

using test_support::openProgram;

constexpr int particles = 9;
constexpr double particleRadius = 300;
using Row = std::array<float, particles>;

// Window y of the nine transverse particles in the program's last frame.
Row particleYs(const Demonstrator &program)
{
    const auto circles = test_support::circlesOf(program.frame(), particleRadius);
    Row row{};
    for (int i = 0; i < particles; ++i)
        row[static_cast<std::size_t>(i)] = static_cast<float>(circles.at(static_cast<std::size_t>(i)).centre.y);
    return row;
}

void setEnd(Demonstrator &program, EndCondition end)
{
    program.perform(Action::ToggleTransverse);
    if (end == EndCondition::Fixed)
        program.perform(Action::NextEndCondition);
}

// The slide bar's value at tick n of the drawing (n from 0); off rest at 0.
using Drawing = std::function<int(int n)>;

struct Shape {
    const char *name;
    Drawing bar;
    int ticks;         // how long the teacher draws
    int firstRecord;   // where the drawing's first sample lands in the file
};

void PrintTo(const Shape &shape, std::ostream *os) { *os << shape.name; }

int rounded(double v) { return static_cast<int>(std::lround(v)); }

const Shape shapes[] = {
    {"a smooth crest", [](int n) { return 128 - rounded(100 * std::sin(M_PI * (n + 1) / 61)); }, 60, 320},
    {"a jerk the bar limits", [](int n) { return n < 10 ? 0 : 255; }, 20, 320},
    {"a long flat trough", [](int) { return 210; }, 300, 320},
    {"longer than a file holds", [](int n) { return 128 + rounded(25 * std::cos(2 * M_PI * n / 400)); }, 3500, 1},
};

constexpr int drawingStart = 50; // the ondel10 tick the teacher starts at

class DrawnPulseRoundTrip : public ::testing::TestWithParam<std::tuple<Shape, EndCondition>> {};

TEST_P(DrawnPulseRoundTrip, Ondel9MovesEveryParticleAsOndel10Did)
{
    const auto &[shape, end] = GetParam();
    constexpr int cycle = 2880; // ondel9's time wraps after this tick
    const int timeShift = drawingStart + 320 - shape.firstRecord;

    auto ondel10 = openProgram<ReflectionDemonstrator>("ondel10");
    setEnd(*ondel10, end);
    std::vector<Row> shown(1); // by tick; tick 0 is never drawn
    const int lastTick = std::max(cycle + timeShift, drawingStart + shape.ticks);
    for (int t = 1; t <= lastTick; ++t) {
        const int n = t - drawingStart;
        ondel10->setValue(Action::SlideBar, n >= 0 && n < shape.ticks ? shape.bar(n) : SliderSamples::rest);
        ondel10->nextFrame();
        ASSERT_EQ(ondel10->state().timeIndex, t);
        shown.push_back(particleYs(*ondel10));
    }
    const SavedFile saved = ondel10->drawnPulseFile();
    ASSERT_TRUE(saved.bytes) << saved.message;

    auto ondel9 = openProgram<ReflectionDemonstrator>("ondel9");
    setEnd(*ondel9, end);
    ondel9->state().timeIndex = 1234;
    ASSERT_TRUE(ondel9->openPulseData(*saved.bytes, "pulse_drawn.csv")) << *ondel9->takeMessage();
    bool moved = false;
    for (int t = 1; t <= cycle; ++t) {
        ondel9->nextFrame();
        ASSERT_EQ(ondel9->state().timeIndex, t);
        const Row row = particleYs(*ondel9);
        ASSERT_EQ(row, shown[static_cast<std::size_t>(t + timeShift)]) << shape.name << " at ondel9 tick " << t;
        moved = moved || row != shown[0];
    }
    EXPECT_TRUE(moved) << "the pulse never reached the row";
    EXPECT_EQ(ondel9->forwardPulse().outOfRangeReads(), 0);
}

INSTANTIATE_TEST_SUITE_P(ShapesAndEnds, DrawnPulseRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(shapes),
                                            ::testing::Values(EndCondition::Free, EndCondition::Fixed)),
                         [](const auto &info) {
                             std::string name = std::string(std::get<0>(info.param).name) +
                                                (std::get<1>(info.param) == EndCondition::Free ? "_free" : "_fixed");
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// Draws `ticks` ticks of the bar held at `value`, from tick 1, then leaves
// the bar at `after` for `afterTicks`.
std::unique_ptr<ReflectionDemonstrator> drawnFor(int ticks, int value, int after = SliderSamples::rest,
                                                 int afterTicks = 10)
{
    auto ondel10 = openProgram<ReflectionDemonstrator>("ondel10");
    ondel10->setValue(Action::SlideBar, value);
    for (int t = 0; t < ticks; ++t)
        ondel10->nextFrame();
    ondel10->setValue(Action::SlideBar, after);
    for (int t = 0; t < afterTicks; ++t)
        ondel10->nextFrame();
    return ondel10;
}

// Dragged back by mouse, the bar stays a step or two off rest; a minute
// later the drawing still ends where it was last further off.
TEST(DrawnPulseFile, ABarLeftNearRestEndsTheDrawing)
{
    constexpr int aMinute = 3000; // ticks, about a minute
    const struct {
        int leftAt;
        std::int64_t drawnSamples;
    } rows[] = {{126, 40}, {127, 40}, {130, 40}, {125, 40 + aMinute}};
    for (const auto &row : rows) {
        const auto pulse = drawnPulse(drawnFor(40, 98, row.leftAt, aMinute)->sliderSamples());
        ASSERT_TRUE(pulse) << row.leftAt;
        EXPECT_EQ(pulse->drawnSamples, row.drawnSamples) << row.leftAt;
    }
}

TEST(DrawnPulseFile, HoldsEveryRecordTheReaderTakesWithTheDrawingFromRecord320)
{
    const auto ondel10 = drawnFor(40, 98); // one step of 30: the bar's value at once
    const SavedFile saved = ondel10->drawnPulseFile();
    ASSERT_TRUE(saved.bytes);
    EXPECT_EQ(saved.message, "");
    const PulseReadResult read = parsePulseText(*saved.bytes, "pulse_drawn.csv");
    ASSERT_TRUE(std::holds_alternative<PulseRecords>(read)) << std::get<PulseFileError>(read).message;
    const auto &records = std::get<PulseRecords>(read);
    ASSERT_EQ(records.first.size(), 3200u);
    EXPECT_EQ(records.second, std::vector<float>(3200, 0.0f));
    const float drawn = ondel10->sliderSamples().at(321);
    for (int k = 1; k <= 3200; ++k)
        EXPECT_EQ(records.first[static_cast<std::size_t>(k - 1)], k >= 320 && k < 360 ? drawn : 0.0f) << "record " << k;
    EXPECT_EQ(saved.bytes->substr(0, 4), "0,0\n");
}

TEST(DrawnPulseFile, EverySampleValueIsWrittenSoTheReaderGetsItBackExactly)
{
    // The bar slowly to the top and then to the bottom: every value 0..255.
    SliderSamples samples;
    int t = 0;
    for (int value = SliderSamples::rest - 1; value >= 0; --value)
        samples.record(t++, value);
    for (int value = 1; value <= 255; ++value)
        samples.record(t++, value);
    const auto pulse = drawnPulse(samples);
    ASSERT_TRUE(pulse);
    EXPECT_EQ(pulse->drawnSamples, 383);
    const PulseReadResult read = parsePulseText(pulseFileText(pulse->records), "all.csv");
    ASSERT_TRUE(std::holds_alternative<PulseRecords>(read));
    EXPECT_EQ(std::get<PulseRecords>(read).first, pulse->records);
    EXPECT_EQ(pulse->records[320 - 1], samples.at(320));
    EXPECT_EQ(pulse->records[320 + 127 - 1], 1.4f);
}

TEST(DrawnPulseFile, SaysWhenThereIsNothingToSave)
{
    const struct {
        const char *program;
        int drawnTicks;
        const char *says;
    } rows[] = {
        {"ondel10", 0, "保存するパルスがありません。"},
        {"ondel9", 0, "スライドバーで描いたパルスがありません"},
    };
    for (const auto &row : rows) {
        auto program = openProgram<ReflectionDemonstrator>(row.program);
        for (int t = 0; t < 100; ++t)
            program->nextFrame();
        const SavedFile saved = program->drawnPulseFile();
        EXPECT_FALSE(saved.bytes) << row.program;
        EXPECT_NE(saved.message.find(row.says), std::string::npos) << saved.message;
    }
}

TEST(DrawnPulseFile, ALongerDrawingKeepsItsFirst3200SamplesAndSaysSo)
{
    const auto ondel10 = drawnFor(4000, 98);
    const auto pulse = drawnPulse(ondel10->sliderSamples());
    ASSERT_TRUE(pulse);
    EXPECT_EQ(pulse->drawnSamples, 4000);
    EXPECT_EQ(pulse->keptSamples, 3200);
    EXPECT_EQ(pulse->firstRecord, 1);
    EXPECT_EQ(pulse->timeShift, 320);
    EXPECT_EQ(drawnPulseNote(*pulse), "描いたパルスは 4000 個のサンプル（コマ）で、ファイルに入る 3200 個より長いため、"
                                      "描き始めから 3200 個だけを保存しました。\n残りの 800 個は保存されていません。");
    EXPECT_EQ(ondel10->drawnPulseFile().message, drawnPulseNote(*pulse));
}

TEST(DrawnPulseFile, ADrawingThatFitsOnlyFromEarlierRecordsEndsAtTheLast)
{
    const auto ondel10 = drawnFor(3000, 98);
    const auto pulse = drawnPulse(ondel10->sliderSamples());
    ASSERT_TRUE(pulse);
    EXPECT_EQ(pulse->keptSamples, 3000);
    EXPECT_EQ(pulse->firstRecord, 201);
    EXPECT_NE(pulse->records.back(), 0.0f);
    EXPECT_EQ(drawnPulseNote(*pulse), "");
}

} // namespace
} // namespace ondel
