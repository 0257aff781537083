// One tick of ondel9 and of ondel10 with everything shown (both rows, all
// three y-x curves, the y-t trace), against the 10 ms a tick is given.
#include "reflection/pulse_reflection_demonstrator.h"
#include "reflection/slider_reflection_demonstrator.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace ondel {
namespace {

void showEverything(Demonstrator &program)
{
    program.click("Command1");
    program.click("Command2");
    program.click("Command8");
}

void BM_Ondel9Tick(benchmark::State &state)
{
    PulseReflectionDemonstrator program;
    // The shipped default pulse.
    program.controls().text1 = (std::filesystem::path(ONDEL_DATA_DIR) / "pulse160a").string();
    program.click("Command9");
    if (program.takeMessage())
        state.SkipWithError("pulse160a.csv not found");
    showEverything(program);
    for (auto _ : state) {
        program.tick();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
}

void BM_Ondel10Tick(benchmark::State &state)
{
    SliderReflectionDemonstrator program;
    showEverything(program);
    int tick = 0;
    for (auto _ : state) {
        program.controls().vscroll1 = (++tick * 7) % 256; // a busy hand
        program.tick();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
}

BENCHMARK(BM_Ondel9Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel10Tick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ondel

BENCHMARK_MAIN();
