// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of ondel9 and of ondel10 with everything shown (both rows, all
// three y-x curves, the y-t trace), against the 10 ms a tick is given.
#include "programs/registry.h"
#include "shell/window/session.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace ondel {
namespace {

void showEverything(Demonstrator &program)
{
    clickControl(program, "Command1");
    clickControl(program, "Command2");
    clickControl(program, "Command8");
}

void BM_Ondel9Tick(benchmark::State &state)
{
    const auto ondel9 = makeProgram("ondel9");
    Demonstrator &program = *ondel9;
    // The shipped default pulse.
    program.setText(Action::PulseFileName, (std::filesystem::path(ONDEL_DATA_DIR) / "pulse160a").string());
    clickControl(program, "Command9");
    if (program.takeMessage())
        state.SkipWithError("pulse160a.csv not found");
    showEverything(program);
    for (auto _ : state) {
        program.nextFrame();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
}

void BM_Ondel10Tick(benchmark::State &state)
{
    const auto ondel10 = makeProgram("ondel10");
    Demonstrator &program = *ondel10;
    showEverything(program);
    int tick = 0;
    for (auto _ : state) {
        program.setValue(Action::SlideBar, (++tick * 7) % 256); // a busy hand
        program.nextFrame();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
}

BENCHMARK(BM_Ondel9Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel10Tick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ondel

BENCHMARK_MAIN();
