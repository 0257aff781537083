// SPDX-License-Identifier: GPL-3.0-or-later
// How long "実行/再実行" holds up the window: reading the default pulse file,
// and the worst a file can do (the most that is ever read, in one line or
// in too many records), and one tick of ondel8 with everything shown.
#include "shell/pulse/pulse_file.h"
#include "tests/support/temp_dir.h"
#include "programs/registry.h"
#include "shell/window/session.h"

#include <benchmark/benchmark.h>

#include <string>

namespace ondel {
namespace {

void loadFile(benchmark::State &state, const std::string &bytes)
{
    const test_support::TempDir dir;
    const std::string path = dir.write("bench.csv", bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(readPulseFile(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::min(bytes.size(), maxPulseFileBytes + 1)));
}

std::string records(std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes)
        text += "0.123456,-0.654321\n";
    return text;
}

void BM_Load3200Records(benchmark::State &state) { loadFile(state, records(3200 * 19)); }
void BM_LoadOneEnormousLine(benchmark::State &state) { loadFile(state, std::string(4 * maxPulseFileBytes, '7')); }
void BM_LoadFarTooManyRecords(benchmark::State &state) { loadFile(state, records(4 * maxPulseFileBytes)); }

void BM_Ondel8Tick(benchmark::State &state)
{
    const test_support::TempDir dir;
    const auto ondel8 = makeProgram("ondel8");
    Demonstrator &program = *ondel8;
    program.setText(Action::PulseFileName, dir.writePulseFile("bench", records(3200 * 19)));
    clickControl(program, "Command9");
    clickControl(program, "Command1");
    clickControl(program, "Command2");
    clickControl(program, "Command8");
    for (auto _ : state) {
        program.nextFrame();
        benchmark::DoNotOptimize(program.takePictureOps());
    }
}

BENCHMARK(BM_Load3200Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadOneEnormousLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFarTooManyRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ondel8Tick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ondel

BENCHMARK_MAIN();
