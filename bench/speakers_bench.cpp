// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of ondel15 with everything shown (both rows, all three y-x
// curves, the y-t trace) and the shipped tone playing, against the 10 ms a
// tick is given; the same with an absurd separation typed in, which must
// cost no more; the same with the strobe and the annotations on (腹 and 節
// measured over a period of the tone along the whole medium); and loading
// the tone, which finds its period.
#include "programs/registry.h"
#include "shell/window/session.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace ondel {
namespace {

void tickWithSeparation(benchmark::State &state, const std::string &separation, bool lessonTools = false)
{
    const auto ondel15 = makeProgram("ondel15");
    Demonstrator &program = *ondel15;
    program.setText(Action::PulseFileName, (std::filesystem::path(ONDEL_DATA_DIR) / "ren80").string());
    program.setText(Action::Separation, separation);
    for (const char *control : {"Command9", "Command1", "Command2", "Command8"})
        clickControl(program, control);
    if (program.takeMessage())
        state.SkipWithError("ren80.csv not found");
    if (lessonTools) {
        program.perform(Action::ToggleStrobe);
        program.perform(Action::ToggleAnnotations);
    }
    program.state().timeIndex = 1000; // the tone fills the row
    for (auto _ : state) {
        program.nextFrame();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
    state.counters["primitives"] = static_cast<double>(program.frame().size());
}

void BM_Ondel15Tick(benchmark::State &state) { tickWithSeparation(state, "140"); }
void BM_Ondel15TickAbsurdSeparation(benchmark::State &state) { tickWithSeparation(state, std::string(400, '9')); }

void BM_Ondel15TickLessonTools(benchmark::State &state) { tickWithSeparation(state, "140", true); }

void BM_Ondel15LoadTone(benchmark::State &state)
{
    const auto program = makeProgram("ondel15");
    program->setText(Action::PulseFileName, (std::filesystem::path(ONDEL_DATA_DIR) / "ren80").string());
    for (auto _ : state)
        program->perform(Action::LoadPulse);
}

BENCHMARK(BM_Ondel15Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel15TickAbsurdSeparation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel15TickLessonTools)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel15LoadTone)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ondel

BENCHMARK_MAIN();
