// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/registry.h"
#include "tests/soak/soak_checks.h"
#include "tests/soak/soak_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <limits>

namespace ondel {
namespace {

std::int64_t environmentNumber(const char *name, std::int64_t fallback)
{
    const char *text = std::getenv(name);
    return text && *text ? std::strtoll(text, nullptr, 10) : fallback;
}

// Each program's core through a long run of random teacher input (every
// button and option, both scroll bars over their whole range, absurd texts,
// good and bad pulse files) between timer ticks. ONDEL_SOAK_EVENTS sets the
// length (100 000 by default), ONDEL_SOAK_SEED the seed a failure names.
class Soak : public testing::TestWithParam<std::string> {};

TEST_P(Soak, RandomInputKeepsEveryInvariant)
{
    const std::int64_t events = environmentNumber("ONDEL_SOAK_EVENTS", 100000);
    const auto seed = static_cast<std::uint64_t>(environmentNumber("ONDEL_SOAK_SEED", 1));
    const soak::PulseFileFolder files;
    const auto program = makeProgram(GetParam());
    ASSERT_TRUE(program);

    const auto start = std::chrono::steady_clock::now();
    const soak::SoakResult result = soak::runSoak(*program, files, seed, events);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    const soak::SoakFigures &f = result.figures;
    std::cout << "soak " << GetParam() << ": " << f.events << " events (" << f.ticks << " ticks, " << f.loads
              << " loads, " << f.refusals << " refusals), largest frame " << f.largestFrame
              << " primitives, largest picture batch " << f.largestPictureBatch << ", seed " << seed << ", "
              << elapsed.count() << " s\n";
    ASSERT_FALSE(result.fault) << *result.fault << "\nreplay: ONDEL_SOAK_SEED=" << seed
                               << " ONDEL_SOAK_EVENTS=" << events
                               << " core_tests --gtest_filter=AllPrograms/Soak.RandomInputKeepsEveryInvariant/"
                               << GetParam();

    // A run long enough reaches every action, and a program that reads
    // files both loads and refuses some.
    if (events >= 5000) {
        bool readsFiles = false;
        for (const ControlSpec &control : program->layout().controls) {
            if (control.kind == ControlKind::Button || control.kind == ControlKind::Option) {
                EXPECT_TRUE(f.clicked.contains(control.name)) << control.name << " never clicked";
            }
            readsFiles |= control.action == Action::LoadPulse;
        }
        if (readsFiles) {
            EXPECT_GT(f.loads, 0);
            EXPECT_GT(f.refusals, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, Soak, testing::ValuesIn(programNames()),
                         [](const testing::TestParamInfo<std::string> &info) { return info.param; });

// The soak's own checks must see what they are there to see.
TEST(SoakChecks, CatchABrokenStateOrFrame)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    struct Row {
        const char *name;
        std::function<void(WindowState &)> breakState;
        std::function<void(DrawList &)> breakFrame;
        const char *fault; // part of the report; empty: no fault
    };
    const Row rows[] = {
        {"untouched", nullptr, nullptr, ""},
        {"time moved behind the actions' back", [](WindowState &s) { s.timeIndex = 5; }, nullptr, "expected 0"},
        {"trace column past the last", [](WindowState &s) { s.ytColumn = 97; }, nullptr, "ytColumn"},
        {"picture shown without the trace", [](WindowState &s) { s.pictureVisible = true; }, nullptr, "Picture1"},
        {"running against the direction", [](WindowState &s) { s.runStep = -1; }, nullptr, "runStep"},
        {"y-x mode of the standing-wave programs", [](WindowState &s) { s.yxMode = CurveMode::Dense; }, nullptr,
         "yxMode"},
        {"trace history not finite", [](WindowState &s) { s.ytPrevY2 = nan; }, nullptr, "history"},
        {"timer faster than the bar allows", [](WindowState &s) { s.timerInterval = 0; }, nullptr, "timer"},
        {"particle at infinity", nullptr, [](DrawList &d) { d.circle({1200, infinity}, 300, 0, 0); }, "not finite"},
        {"curve dot at NaN", nullptr, [](DrawList &d) { d.line({nan, 0}, {0, 0}); }, "not finite"},
        {"negative radius", nullptr, [](DrawList &d) { d.circle({0, 0}, -1, 0, 0); }, "not finite"},
        {"text at infinity", nullptr, [](DrawList &d) { d.text({0, -infinity}, "t"); }, "not finite"},
    };
    for (const Row &row : rows) {
        const auto program = makeProgram("ondel8");
        const soak::ExpectedTime time(*program);
        if (row.breakState)
            row.breakState(program->state());
        DrawList frame;
        if (row.breakFrame)
            row.breakFrame(frame);
        auto fault = soak::stateFault(*program, time);
        if (!fault)
            fault = soak::primitivesFault(frame.ops(), soak::mostPrimitivesPerFrame);
        if (*row.fault == '\0')
            EXPECT_FALSE(fault) << row.name << ": " << *fault;
        else
            EXPECT_TRUE(fault && fault->find(row.fault) != std::string::npos)
                << row.name << ": " << fault.value_or("no fault");
    }

    DrawList crowded;
    for (std::size_t i = 0; i <= soak::mostPrimitivesPerFrame; ++i)
        crowded.line({0, 0}, {1, 1});
    EXPECT_TRUE(soak::primitivesFault(crowded.ops(), soak::mostPrimitivesPerFrame));
}

// The soak's time model against the actions, on the edges that matter.
TEST(SoakChecks, FollowTimeThroughWrapsStepsAndLoads)
{
    constexpr std::optional<std::int64_t> unbounded;
    struct Row {
        const char *name;
        std::optional<std::int64_t> timeLimit;
        std::int64_t start;
        int runStep, direction;
        std::optional<Action> click; // none: a tick
        bool loaded;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"bounded tick past the limit wraps to 0", 2880, 2880, 1, 1, std::nullopt, false, 0},
        {"bounded tick below 0 wraps to the limit", 31500, 0, -1, -1, std::nullopt, false, 31500},
        {"free clock runs on", unbounded, 2880, 1, 1, std::nullopt, false, 2881},
        {"free clock goes negative", unbounded, 0, -1, -1, std::nullopt, false, -1},
        {"stopped tick stays", 2880, 7, 0, -1, std::nullopt, false, 7},
        {"single step backward", 2880, 7, 0, -1, Action::StopOrStep, false, 6},
        {"stopping does not step", 2880, 7, 1, 1, Action::StopOrStep, false, 7},
        {"a load restarts time", 2880, 7, 1, 1, Action::LoadPulse, true, 0},
        {"a refused load keeps it", 2880, 7, 1, 1, Action::LoadPulse, false, 7},
    };
    for (const Row &row : rows) {
        WindowState before;
        before.timeIndex = row.start;
        before.runStep = row.runStep;
        before.direction = row.direction;
        soak::ExpectedTime time(row.timeLimit, row.start);
        if (row.click)
            time.click(*row.click, before, row.loaded);
        else
            time.tick(before);
        EXPECT_EQ(time.value(), row.expected) << row.name;
    }
}

} // namespace
} // namespace ondel
