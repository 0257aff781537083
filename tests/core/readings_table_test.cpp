// SPDX-License-Identifier: GPL-3.0-or-later
// "データを保存": the particles of the current tick in both rows and the
// y-t trace's points since it was switched on, as a table with a header row.
#include "reflection/reflection_demonstrator.h"
#include "shell/lesson/readings_table.h"
#include "tests/support/programs.h"

#include <gtest/gtest.h>

#include <string>

namespace ondel {
namespace {

using test_support::openProgram;

const std::string header = std::string("\xEF\xBB\xBF") + readingsHeader + "\n";

// ondel9 with one sample of 0.5 that stands at particle 1 at tick 1, rows
// shown and the trace on particle 1.
std::unique_ptr<ReflectionDemonstrator> oneSampleAtParticle1()
{
    auto ondel9 = openProgram<ReflectionDemonstrator>("ondel9");
    std::string file;
    for (int k = 1; k <= 3200; ++k)
        file += k == 301 ? "0.5,0\n" : "0,0\n";
    EXPECT_TRUE(ondel9->openPulseData(file, "one.csv"));
    ondel9->perform(Action::ToggleTransverse);
    ondel9->perform(Action::TraceGreen);
    ondel9->perform(Action::ToggleTrace);
    return ondel9;
}

TEST(ReadingsTable, ParticlesInBothRowsAndTheTracePointOfAKnownTick)
{
    auto ondel9 = oneSampleAtParticle1();
    ondel9->nextFrame();
    // Particle 1 stands 0.5 up, and is drawn a quarter of that to the right
    // in the longitudinal row: both read 0.5.
    std::string expected = header + "1,1,0.5,0.5,1,0.5\n";
    for (int i = 2; i <= 9; ++i)
        expected += "1," + std::to_string(i) + ",0,0,,\n";
    EXPECT_EQ(ondel9->readingsFile().bytes, expected);
    EXPECT_EQ(ondel9->readingsFile().message, "");
}

TEST(ReadingsTable, TheTraceKeepsWhatThePictureShowsAndStartsAfreshWhenSwitchedOn)
{
    auto ondel9 = oneSampleAtParticle1();
    for (int t = 1; t <= 200; ++t)
        ondel9->nextFrame();
    const auto &trace = ondel9->traceReadings();
    ASSERT_EQ(trace.size(), 96u); // one per column of the picture
    EXPECT_EQ(trace.front().time, 105);
    EXPECT_EQ(trace.back().time, 200);

    const std::string table = *ondel9->readingsFile().bytes;
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 96);
    EXPECT_NE(table.find("\n,,,,200,0\n"), std::string::npos);

    // Off keeps the trace, as the picture does; on again clears it.
    ondel9->perform(Action::ToggleTrace);
    ondel9->nextFrame();
    EXPECT_EQ(ondel9->traceReadings().size(), 96u);
    ondel9->perform(Action::ToggleTrace);
    EXPECT_TRUE(ondel9->traceReadings().empty());
}

TEST(ReadingsTable, EveryProgramHasItsRowsEvenWhileTheyAreHidden)
{
    const struct {
        const char *program;
        std::size_t particles;
    } rows[] = {{"ondel8", 15}, {"ondel10", 9}, {"ondel3", 15}, {"ondel15", 15}};
    for (const auto &row : rows) {
        auto program = makeProgram(row.program);
        for (int k = 0; k < 5; ++k)
            program->nextFrame();
        EXPECT_EQ(program->particleReadings().size(), row.particles) << row.program;
        // Each row draws the one displacement at its own scale; both read it back.
        for (const ParticleReading &p : program->particleReadings())
            EXPECT_NEAR(p.longitudinal, p.transverse, 1e-4) << row.program << " particle " << p.particle;
        const std::string table = *program->readingsFile().bytes;
        EXPECT_EQ(table.substr(0, header.size()), header) << row.program;
        EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), static_cast<long>(1 + row.particles)) << row.program;
    }
}

} // namespace
} // namespace ondel
