// SPDX-License-Identifier: GPL-3.0-or-later
// 動画を保存's recording: one period of a repeating wave, a pulse until the
// medium rests again (at most 20 s), frames at least 20 ms apart whose
// delays add up to the time on screen, identical frames merged, and the
// lesson on screen left exactly as it was.
#include "programs/registry.h"
#include "shell/window/recording.h"
#include "tests/support/session_folder.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ondel {
namespace {

struct Recorded {
    std::vector<RecordedFrame> frames;
    int ticks = 0;
    int ticksPerFrame = 0;
    int totalDelay() const
    {
        return std::accumulate(frames.begin(), frames.end(), 0,
                               [](int sum, const RecordedFrame &f) { return sum + f.delay; });
    }
};

Recorded record(const Demonstrator &program)
{
    Recording recording(program);
    Recorded result;
    while (auto frame = recording.next())
        result.frames.push_back(std::move(*frame));
    result.ticks = recording.ticksDone();
    result.ticksPerFrame = recording.ticksPerFrame();
    return result;
}

TEST(Recording, LastsAPeriodOrACrossingAtTheSpeedOnScreen)
{
    struct Row {
        const char *name;
        const char *program;
        bool loadPulse;
        int interval; // 0: the program's own
        bool stopped;
        int ticksPerFrame;
        bool oneFrame; // nothing moves: every frame merged into the first
    };
    const Row rows[] = {
        {"a sine wave, one period", "ondel3", false, 0, false, 1, false},
        {"a sine wave at 10 ms: a frame every two ticks", "ondel5", false, 10, false, 2, false},
        {"a sine wave stopped still moves", "ondel3a", false, 0, true, 1, false},
        {"a pulse crossing at 10 ms", "ondel8", true, 10, false, 2, false},
        {"a pulse crossing at 7 ms", "ondel8_dou", true, 7, false, 3, false},
        {"a reflection at 35 ms, stopped", "ondel9", true, 35, true, 1, false},
        {"a speakers' tone, one period", "ondel15", true, 0, false, 2, false},
        {"nothing loaded: one still frame for 20 s", "ondel8", false, 10, false, 2, true},
    };
    const test_support::SessionFolder folder;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto program = makeProgram(row.program);
        if (row.loadPulse)
            program->perform(Action::LoadPulse);
        if (row.interval)
            program->setValue(Action::Speed, row.interval);
        for (int k = 0; k < 3; ++k)
            program->nextFrame();
        if (row.stopped)
            program->perform(Action::StopOrStep);
        const int interval = program->state().timerInterval;
        const Recorded recorded = record(*program);

        EXPECT_EQ(recorded.ticksPerFrame, row.ticksPerFrame);
        // The animation takes as long as the screen does, to the hundredth.
        EXPECT_EQ(recorded.totalDelay(), (recorded.ticks * interval + msPerDelayUnit / 2) / msPerDelayUnit);
        for (const RecordedFrame &frame : recorded.frames)
            EXPECT_GE(frame.delay * msPerDelayUnit, shortestFrameMs);
        if (const int period = program->periodTicks(); period > 0) {
            EXPECT_EQ(recorded.ticks, period);
            EXPECT_EQ(recorded.frames.size(), std::size_t((period + row.ticksPerFrame - 1) / row.ticksPerFrame));
        } else {
            EXPECT_LE(recorded.ticks * interval, longestPulseMs);
        }
        if (row.oneFrame) {
            ASSERT_EQ(recorded.frames.size(), 1u);
            EXPECT_EQ(recorded.frames[0].delay * msPerDelayUnit, longestPulseMs);
        } else {
            ASSERT_GT(recorded.frames.size(), 2u);
            for (std::size_t i = 1; i < recorded.frames.size(); ++i)
                EXPECT_TRUE(recorded.frames[i].window != recorded.frames[i - 1].window ||
                            !recorded.frames[i].picture.empty())
                    << "frame " << i << " repeats the one before";
        }
        // The first frame is the present moment.
        EXPECT_EQ(recorded.frames.front().window, program->frame().ops());
    }
}

// A pulse ends with the medium at rest after it has moved; before that it
// never rests.
TEST(Recording, APulseEndsWhenTheMediumRestsAgain)
{
    const test_support::SessionFolder folder;
    auto program = makeProgram("ondel9");
    program->perform(Action::LoadPulse);
    program->nextFrame();
    const Recorded recorded = record(*program);
    EXPECT_LT(recorded.ticks * program->state().timerInterval, longestPulseMs);
    // The same ticks on the window itself: the medium rests at the last one
    // and has moved on the way.
    bool moved = false;
    for (int k = 0; k < recorded.ticks; ++k) {
        program->nextFrame();
        for (const ParticleReading &p : program->particleReadings())
            moved = moved || p.transverse != 0;
    }
    EXPECT_TRUE(moved);
    for (const ParticleReading &p : program->particleReadings())
        EXPECT_NEAR(p.transverse, 0, 1e-3) << "particle " << p.particle;
}

// The copy runs ahead on its own: whatever the window does afterwards, and
// even once it is gone, the copy draws what an untouched twin draws.
TEST(Recording, TheWindowIsNotDisturbedAndItsCopyStandsAlone)
{
    const test_support::SessionFolder folder;
    for (const char *name : {"ondel8", "ondel10", "ondel3", "ondel15"}) {
        SCOPED_TRACE(name);
        auto prepare = [&] {
            auto program = makeProgram(name);
            program->perform(Action::LoadPulse);
            program->perform(Action::ToggleTrace);
            program->perform(Action::ToggleStrobe);
            program->toggleMeasure(); // the ruler and a running stopwatch go along
            program->perform(Action::StartStopStopwatch);
            program->setValue(Action::SlideBar, 40);
            for (int k = 0; k < 30; ++k)
                program->nextFrame();
            return program;
        };
        auto program = prepare();
        auto twin = prepare();
        const WindowState before = program->state();
        const std::vector<Primitive> frameBefore = program->frame().ops();
        record(*program);
        EXPECT_EQ(program->state(), before);
        EXPECT_EQ(program->frame().ops(), frameBefore);

        auto copy = program->copy();
        program->setValue(Action::SlideBar, 250);
        program->perform(Action::ToggleTransverse);
        for (int k = 0; k < 10; ++k)
            program->nextFrame();
        program.reset();
        for (int k = 0; k < 60; ++k) {
            copy->nextFrame();
            twin->nextFrame();
            ASSERT_EQ(copy->frame().ops(), twin->frame().ops()) << "tick " << k;
            ASSERT_EQ(copy->takePictureOps(), twin->takePictureOps()) << "tick " << k;
        }
    }
}

} // namespace
} // namespace ondel
