// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson tools on known waves: the strobe's exposures are the rows as
// they stood at the earlier times, paler the older; the annotations find
// the crests, troughs, dense and open places, antinodes and nodes where the
// wave has them, steadily, and never cover a particle.
#include "programs/registry.h"
#include "shell/lesson/annotations.h"
#include "shell/lesson/clear_peaks.h"
#include "shell/state/geometry.h"
#include "shell/state/keys.h"
#include "shell/window/pulse_demonstrator.h"
#include "shell/lesson/strobe.h"
#include "shell/lesson/tone_period.h"
#include "tests/support/frame_circles.h"
#include "tests/support/session_files.h"
#include "tests/support/session_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <numbers>

namespace ondel {
namespace {

using test_support::circlesOf;

constexpr double particleRadius = geometry::particleRadius;

// The words of the last frame by label, each with the particle (maybe a
// half) its label is centred on.
std::multimap<std::string, double> wordsAtParticles(const Demonstrator &program)
{
    std::multimap<std::string, double> words;
    for (const Primitive &op : program.frame().ops())
        if (const auto *text = std::get_if<TextOp>(&op))
            words.emplace(text->text, (text->at.x + geometry::labelWidth / 2.0 - geometry::rowLeft) / 1000.0);
    return words;
}

std::vector<double> particlesLabelled(const Demonstrator &program, const std::string &word)
{
    std::vector<double> at;
    for (const auto &[w, particle] : wordsAtParticles(program))
        if (w == word)
            at.push_back(particle);
    std::sort(at.begin(), at.end());
    return at;
}

TEST(Strobe, ExposuresAreEvenlySpacedEarlierTimesOldestAndPalestFirst)
{
    constexpr auto noStart = std::numeric_limits<std::int64_t>::min();
    constexpr auto noEnd = std::numeric_limits<std::int64_t>::max();
    struct Row {
        const char *name;
        int count;
        int spacing;
        std::int64_t now;
        std::int64_t earliest;
        std::int64_t latest;
        int direction;
        std::vector<std::int64_t> times;
        std::vector<double> paleness; // oldest first
    };
    const Row rows[] = {
        {"four an eighth period apart", 4, 3, 10, noStart, noEnd, 1, {-2, 1, 4, 7}, {0.85, 0.7, 0.55, 0.4}},
        {"none before time 0 on a clock that starts there", 4, 3, 10, 0, 2880, 1, {1, 4, 7}, {0.7, 0.55, 0.4}},
        {"just after time 0: none at all", 4, 40, 5, 0, 2880, 1, {}, {}},
        {"a single exposure", 1, 40, 100, 0, 2880, 1, {60}, {0.4}},
        {"two", 2, 40, 100, 0, 2880, 1, {20, 60}, {0.85, 0.4}},
        {"time running backward: the later moments it came from", 4, 3, 10, noStart, noEnd, -1, {22, 19, 16, 13}, {0.85, 0.7, 0.55, 0.4}},
        {"backward near the limit: none after it", 4, 3, 2875, 0, 2880, -1, {2878}, {0.4}},
    };
    for (const Row &row : rows) {
        LessonTools tools(LessonDefaults{.strobeCount = row.count, .strobeSpacing = row.spacing});
        const auto exposures = Strobe(tools, row.earliest, row.latest).exposures(row.now, row.direction);
        std::vector<std::int64_t> times;
        std::vector<double> paleness;
        for (const auto &e : exposures) {
            times.push_back(e.time);
            paleness.push_back(std::round(e.paleness * 100) / 100);
        }
        EXPECT_EQ(times, row.times) << row.name;
        EXPECT_EQ(paleness, row.paleness) << row.name;
    }
}

TEST(Strobe, PalerMixesTowardsTheBackground)
{
    EXPECT_EQ(paler(colour::blue, 0), colour::blue);
    EXPECT_EQ(paler(colour::blue, 1), colour::background);
    EXPECT_EQ(paler(colour::black, 0.5), 0x787878u);
    EXPECT_EQ(paler(colour::red, 0.5), 0xF87878u);
}

// In every family: the strobe's circles, drawn under the current frame, are
// exactly the particles that a program run to each earlier time draws, its
// four exposures in colours paler the older (0.85, 0.7, 0.55 and 0.4 of the
// way to the background); a stopped picture keeps them; off again, the
// frame is the one drawn without the strobe.
TEST(Strobe, ExposuresAreTheRowsAtTheEarlierTimes)
{
    struct Row {
        const char *program;
        int ticks;
        bool loadPulse;
        bool backward = false;
    };
    const Row rows[] = {{"ondel3", 40, false},  {"ondel5", 70, false},        {"ondel8", 300, true},
                        {"ondel9", 260, true}, {"ondel15", 200, true}, {"ondel3", 40, false, true}};
    const test_support::SessionFolder folder;
    for (const Row &row : rows) {
        // Backward from time 0 on a clock without limit: time -ticks.
        const auto prepare = [&](std::int64_t ticks, bool strobe) {
            auto program = makeProgram(row.program);
            if (row.backward)
                program->perform(Action::Reverse);
            if (!program->state().transverseShown)
                program->perform(Action::ToggleTransverse);
            program->perform(Action::ToggleLongitudinal);
            if (row.loadPulse)
                program->perform(Action::LoadPulse);
            if (strobe)
                program->perform(Action::ToggleStrobe);
            for (int k = 0; k < ticks; ++k)
                program->nextFrame();
            return program;
        };
        const auto strobed = prepare(row.ticks, true);
        const LessonTools &tools = strobed->lessonTools();
        const auto plain = prepare(row.ticks, false);
        const auto current = circlesOf(plain->frame(), particleRadius);
        const auto all = circlesOf(strobed->frame(), particleRadius);
        ASSERT_EQ(all.size(), current.size() * (tools.strobeCount + 1)) << row.program;

        const double palenessOldestFirst[] = {0.85, 0.7, 0.55, 0.4};
        const std::int64_t now = strobed->state().timeIndex;
        const auto exposures = Strobe(tools, std::numeric_limits<std::int64_t>::min(), 2880).exposures(now, row.backward ? -1 : 1);
        ASSERT_EQ(exposures.size(), static_cast<std::size_t>(tools.strobeCount)) << row.program;
        ASSERT_EQ(tools.strobeCount, 4) << row.program;
        std::size_t next = 0;
        for (int k = 0; k < tools.strobeCount; ++k) {
            const std::int64_t time = exposures[k].time;
            const auto earlier = prepare(std::abs(time), false);
            for (const CircleOp &c : circlesOf(earlier->frame(), particleRadius)) {
                const CircleOp &drawn = all[next++];
                EXPECT_EQ(drawn.centre, c.centre) << row.program << " at " << time;
                EXPECT_EQ(drawn.fill, paler(c.fill, palenessOldestFirst[k])) << row.program << " at " << time;
                EXPECT_EQ(drawn.rim, paler(c.rim, palenessOldestFirst[k])) << row.program << " at " << time;
            }
        }
        // The current rows come last, in their own colours.
        EXPECT_EQ(std::vector<CircleOp>(all.end() - static_cast<long>(current.size()), all.end()), current)
            << row.program;
        // Older is paler: the first particle's fill in successive exposures
        // comes ever closer to the background.
        const auto distance = [](Rgb c) { return std::abs(int(c & 0xFF) - 0xF0) + std::abs(int(c >> 16) - 0xF0); };
        for (int k = 1; k < tools.strobeCount; ++k)
            EXPECT_LT(distance(all[(k - 1) * current.size()].fill), distance(all[k * current.size()].fill))
                << row.program;

        // Stopped, the picture keeps its exposures.
        strobed->perform(Action::StopOrStep);
        strobed->nextFrame();
        EXPECT_EQ(circlesOf(strobed->frame(), particleRadius).size(), all.size()) << row.program;
        // Off again: the frame of a program that never had the strobe.
        strobed->perform(Action::ToggleStrobe);
        strobed->nextFrame();
        plain->perform(Action::StopOrStep);
        plain->nextFrame();
        EXPECT_EQ(strobed->frame().ops(), plain->frame().ops()) << row.program;
    }
}

TEST(ClearPeaks, FindsOnlyClearPeaksAwayFromTheEnds)
{
    struct Row {
        const char *name;
        std::vector<double> values;
        std::vector<double> peaks;
    };
    const Row rows[] = {
        {"one hump", {0, 100, 600, 900, 500, 0}, {4}},
        {"two level neighbours: halfway", {0, 300, 800, 810, 200, 0}, {3.5}},
        {"too low", {0, 100, 200, 100, 0}, {}},
        {"at an end", {900, 500, 0, 0}, {}},
        {"flat", {500, 505, 510, 505, 500}, {}},
        {"three level: no clear place", {0, 800, 800, 800, 0}, {}},
        {"two humps", {0, 700, 0, 0, 400, 0}, {2, 5}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(clearPeaks(row.values, 250, 20), row.peaks) << row.name;
}

TEST(Annotations, FindTheTextbookWordsOnKnownRows)
{
    struct Row {
        const char *name;
        std::vector<WaveLabel> found;
        std::vector<WaveLabel> expected;
    };
    const auto x = [](double particle) { return geometry::particleX(particle); };
    const auto at = [](double position) { return geometry::dataX(position); };
    // A longitudinal row crowded around particle 4 and spread around 8.
    std::vector<double> rest;
    std::vector<double> crowded;
    for (int i = 1; i <= 11; ++i) {
        rest.push_back(x(i));
        crowded.push_back(x(i) + 150 * std::sin(3.14159 * (i - 4) / 4.0) * -1);
    }
    const std::vector<double> gapped{x(1), x(2), x(4), x(5), x(6)};
    const Row rows[] = {
        {"a single hump: one 山 at its peak particle",
         crestsAndTroughs({0, 0, 100, 500, 1000, 500, 100, 0, 0}),
         {{"山", x(5)}}},
        {"a hump and a trough", crestsAndTroughs({0, 800, 0, -800, 0}), {{"山", x(2)}, {"谷", x(4)}}},
        {"a row at rest", crestsAndTroughs(std::vector<double>(15, 0.0)), {}},
        {"compressed round particle 4, spread round 8", densities(rest, crowded),
         {{"密", crowded[3]}, {"疎", crowded[7]}}},
        {"a row at rest has no dense place", densities({x(1), x(2), x(3), x(4)}, {x(1), x(2), x(3), x(4)}), {}},
        {"a particle left out of a row at rest opens no gap", densities(gapped, gapped), {}},
        {"a standing pattern: 腹 at 2 and 6, 節 at 4",
         antinodesAndNodes({600, 1000, 600, 5, 600, 1000, 600}),
         {{"腹", at(2)}, {"腹", at(6)}, {"節", at(4)}}},
        {"a level top is marked at its middle, a top level to the end not at all",
         antinodesAndNodes({1000, 1000, 1000, 500, 0, 400, 990, 1000, 1000, 990, 400}),
         {{"腹", at(8.5)}, {"節", at(5)}}},
        {"a travelling wave's even envelope", antinodesAndNodes({991, 1000, 995, 999, 992, 1000}), {}},
        {"a row at rest has no antinode", antinodesAndNodes({0, 0, 0, 0}), {}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.found, row.expected) << row.name;
}

// The standing wave's 節 at 4, 8, 12 and 腹 at 2, 6, 10, 14 in every frame
// of two periods, in all four programs; the travelling wave has none.
TEST(Annotations, StandingWaveNodesAndAntinodesStayPut)
{
    for (const char *name : {"ondel3", "ondel3a", "ondel5", "ondel5a"}) {
        auto program = makeProgram(name);
        program->perform(Action::ToggleAnnotations);
        constexpr int twoPeriods = 100; // of the slowest of the four
        for (int k = 0; k < twoPeriods; ++k) {
            program->nextFrame();
            EXPECT_TRUE(particlesLabelled(*program, "腹").empty()) << name << " travelling, tick " << k;
            EXPECT_TRUE(particlesLabelled(*program, "節").empty()) << name << " travelling, tick " << k;
        }
        program->perform(Action::ToggleStandingWave);
        program->nextFrame();
        // Within a data position of the particles (the wave's 3.14 moves the
        // far antinode a little), and not a twip away from there afterwards.
        const auto nodes = particlesLabelled(*program, "節");
        const auto antinodes = particlesLabelled(*program, "腹");
        const auto near = [](const std::vector<double> &found, const std::vector<double> &expected) {
            return found.size() == expected.size() &&
                   std::equal(found.begin(), found.end(), expected.begin(), [](double f, double e) {
                       return std::abs(f - e) <= 1.0 / geometry::dataPositionsPerParticle;
                   });
        };
        EXPECT_TRUE(near(nodes, {4, 8, 12})) << name;
        EXPECT_TRUE(near(antinodes, {2, 6, 10, 14})) << name;
        for (int k = 1; k < twoPeriods; ++k) {
            program->nextFrame();
            EXPECT_EQ(particlesLabelled(*program, "節"), nodes) << name << " tick " << k;
            EXPECT_EQ(particlesLabelled(*program, "腹"), antinodes) << name << " tick " << k;
        }
    }
}

// Data positions of the labels `word` in the last frame.
std::vector<double> positionsLabelled(const Demonstrator &program, const std::string &word)
{
    std::vector<double> at;
    for (const double particle : particlesLabelled(program, word))
        at.push_back(particle * geometry::dataPositionsPerParticle);
    return at;
}

// A tone of `period` ticks and amplitude 0.5 in every record.
std::string toneFile(int period)
{
    std::string file;
    for (int k = 1; k <= PulseTable::lastIndex; ++k)
        file += std::to_string(0.5 * std::sin(2 * std::numbers::pi * k / period)) + ",0\n";
    return file;
}

TEST(TonePeriod, IsHowLongTheLoadedToneTakesToRepeat)
{
    const auto table = [](const std::function<double(int)> &sample) {
        PulseTable t;
        for (int k = 1; k <= PulseTable::lastIndex; ++k)
            t.set(k, static_cast<float>(sample(k)));
        return t;
    };
    const auto wave = [](int k, double period) { return std::sin(2 * std::numbers::pi * k / period); };
    const struct {
        const char *name;
        PulseTable samples;
        int period;
    } rows[] = {
        {"silence", PulseTable{}, 0},
        {"a single pulse", table([](int k) { return k > 300 && k < 380 ? 1.0 : 0.0; }), 0},
        {"a tone of 140 from record 200 on, off the axis", table([&](int k) { return k < 200 ? 0 : 0.3 + wave(k, 140); }), 140},
        {"a tone of 300 with a strong overtone", table([&](int k) { return wave(k, 300) + 0.8 * wave(k, 100); }), 300},
        {"a slow tone that fits twice", table([&](int k) { return wave(k, 1500); }), 1500},
    };
    for (const auto &row : rows)
        EXPECT_EQ(tonePeriod(row.samples), row.period) << row.name;
}

// ondel15 against the standing pattern between two sources a distance D
// apart, wavelength L: in phase, antinodes at the midpoint m and every L/2
// from it, nodes halfway between; in anti-phase the other way round. Every
// node and antinode half a particle spacing or more inside the speakers is
// labelled within half a spacing, every label is within half a spacing of
// one of its kind, none stands outside, and they lie mirrored about m.
TEST(Annotations, OndelFifteenMarksTheAnalyticNodesAndAntinodesBetweenTheSpeakers)
{
    constexpr double halfSpacing = geometry::dataPositionsPerParticle / 2.0;
    struct Row {
        const char *name;
        const char *separation;
        int tone;           // period of a generated tone; 0: ren80 (140)
        bool antiPhase;     // "同相逆相" pressed
        bool rearsFlipped;  // "スピーカ向き" pressed (which also turns the phase)
    };
    const Row rows[] = {
        {"ren80 in phase, one wavelength apart", "140", 0, false, false},
        {"ren80 in anti-phase: a node at the midpoint", "140", 0, true, false},
        {"ren80, rear faces turned: nodes at both speakers", "140", 0, false, true},
        {"ren80 in phase, 100 apart", "100", 0, false, false},
        {"ren80 in anti-phase, 150 apart", "150", 0, true, false},
        {"ren80 in phase, 210 apart", "210", 0, false, false},
        {"a tone of period 100 in anti-phase, 140 apart", "140", 100, true, false},
        {"a tone of period 220 in phase, 180 apart", "180", 220, false, false},
    };
    const test_support::SessionFolder folder;
    for (const Row &row : rows) {
        auto program = makeProgram("ondel15");
        program->perform(Action::ToggleTransverse);
        program->setText(Action::Separation, row.separation);
        if (row.tone)
            ASSERT_TRUE(program->openPulseData(toneFile(row.tone), "tone.csv")) << row.name;
        else
            program->perform(Action::LoadPulse);
        if (row.antiPhase)
            program->perform(Action::TogglePhase);
        if (row.rearsFlipped)
            program->perform(Action::FlipRearFaces);
        for (int k = 0; k < 1000; ++k)
            program->nextFrame();
        program->perform(Action::ToggleAnnotations);
        program->nextFrame();

        const double first = 60;
        const double second = first + std::stod(row.separation);
        const double mid = (first + second) / 2;
        const double wavelength = row.tone ? row.tone : 140;
        // Between the speakers the second speaker sounds in anti-phase
        // after either button alone.
        const bool inPhase = row.antiPhase == row.rearsFlipped;
        const auto analytic = [&](bool antinodes) {
            std::vector<double> at;
            const double offset = antinodes == inPhase ? 0 : wavelength / 4;
            for (int n = -10; n <= 10; ++n)
                if (const double p = mid + offset + n * wavelength / 2; p >= first && p <= second)
                    at.push_back(p);
            return at;
        };
        for (const bool antinodes : {true, false}) {
            const std::string word = antinodes ? "腹" : "節";
            const auto labelled = positionsLabelled(*program, word);
            const auto expected = analytic(antinodes);
            const auto near = [&](double p, const std::vector<double> &among) {
                return std::any_of(among.begin(), among.end(), [&](double q) { return std::abs(p - q) <= halfSpacing; });
            };
            for (const double p : expected)
                if (p >= first + halfSpacing && p <= second - halfSpacing)
                    EXPECT_TRUE(near(p, labelled)) << row.name << ": no " << word << " near " << p;
            for (const double p : labelled) {
                EXPECT_TRUE(near(p, expected)) << row.name << ": " << word << " at " << p;
                const bool mirrored = std::any_of(labelled.begin(), labelled.end(),
                                                  [&](double q) { return std::abs(2 * mid - p - q) <= 1; });
                EXPECT_TRUE(mirrored) << row.name << ": " << word << " at " << p << " has no mirror image";
            }
        }
    }
}

TEST(Annotations, CrestsOfTheTravellingSineWaveLieHalfAWavelengthFromItsTroughs)
{
    auto program = makeProgram("ondel3");
    program->perform(Action::ToggleAnnotations);
    for (int k = 0; k < 24; ++k) {
        program->nextFrame();
        const auto crests = particlesLabelled(*program, "山");
        const auto troughs = particlesLabelled(*program, "谷");
        ASSERT_FALSE(crests.empty()) << k;
        ASSERT_FALSE(troughs.empty()) << k;
        // Wavelength 8 particles: a trough 4 particles from some crest.
        for (const double c : crests) {
            const bool paired = std::any_of(troughs.begin(), troughs.end(), [&](double t) {
                return std::abs(std::abs(t - c) - 4) <= 0.5;
            });
            EXPECT_TRUE(paired) << "tick " << k << " crest " << c;
        }
    }
}

TEST(Annotations, APulseShowsItsCrestAndItsDenseFront)
{
    const test_support::SessionFolder folder;
    auto program = makeProgram("ondel9");
    program->perform(Action::ToggleTransverse);
    program->perform(Action::ToggleLongitudinal);
    program->perform(Action::LoadPulse);
    program->perform(Action::ToggleAnnotations);
    // pulse160a's first column peaks at index 400: at particle 4 (x = 80) at t = 160.
    for (int k = 0; k < 160; ++k)
        program->nextFrame();
    EXPECT_EQ(particlesLabelled(*program, "山"), std::vector<double>{4});
    EXPECT_TRUE(particlesLabelled(*program, "谷").empty());
    // Its steep front runs ahead (right) of the crest: the row is dense there.
    const auto dense = particlesLabelled(*program, "密");
    ASSERT_EQ(dense.size(), 1u);
    EXPECT_GT(dense.front(), 4);
    EXPECT_LT(dense.front(), 6);
    EXPECT_TRUE(particlesLabelled(*program, "腹").empty());
}

// Every program through its recorded lesson with both tools on: no label
// covers a particle, every label is a word of the textbook, and the pulse
// tables are never read outside their range.
TEST(LessonTools, NoLabelEverCoversAParticle)
{
    const test_support::SessionFolder folder;
    for (const std::string &name : programNames()) {
        auto program = makeProgram(name);
        program->perform(Action::ToggleStrobe);
        program->perform(Action::ToggleAnnotations);
        int labels = 0;
        int covered = 0;
        replaySession(*program, test_support::loadSession(name), [&](std::string_view text) {
            if (!text.starts_with("tick"))
                return;
            const auto circles = circlesOf(program->frame(), particleRadius);
            for (const Primitive &op : program->frame().ops()) {
                const auto *label = std::get_if<TextOp>(&op);
                if (!label)
                    continue;
                ++labels;
                EXPECT_NE(std::string("山谷密疎腹節").find(label->text), std::string::npos) << label->text;
                for (const CircleOp &c : circles) {
                    const bool apart = c.centre.x + c.radius <= label->at.x ||
                                       c.centre.x - c.radius >= label->at.x + geometry::labelWidth ||
                                       c.centre.y + c.radius <= label->at.y ||
                                       c.centre.y - c.radius >= label->at.y + geometry::labelHeight;
                    covered += !apart;
                }
            }
        });
        EXPECT_GT(labels, 1000) << name;
        EXPECT_EQ(covered, 0) << name;
        if (const auto *pulses = dynamic_cast<const PulseDemonstrator *>(program.get())) {
            EXPECT_EQ(pulses->forwardPulse().outOfRangeReads(), 0) << name;
            EXPECT_EQ(pulses->backwardPulse().outOfRangeReads(), 0) << name;
        }
    }
}

TEST(LessonTools, OffAtStartOnFromTheirKeysInEveryProgramAndHeldToTheMenusLimits)
{
    for (const std::string &name : programNames()) {
        auto program = makeProgram(name);
        const LessonTools &tools = program->lessonTools();
        EXPECT_FALSE(tools.strobe) << name;
        EXPECT_FALSE(tools.annotations) << name;
        const auto &choices = strobeSpacingChoices(program->description().lessons);
        EXPECT_NE(std::find(choices.begin(), choices.end(), tools.strobeSpacing), choices.end()) << name;
        for (const char *key : {"S", "A"})
            for (const Edition edition : {Edition::Desktop, Edition::Browser})
                EXPECT_TRUE(keyApplies(*findKey(key), program->layout(), edition)) << name << " " << key;
        program->perform(std::get<Action>(findKey("S")->target));
        program->perform(std::get<Action>(findKey("A")->target));
        EXPECT_TRUE(tools.strobe && tools.annotations) << name;
    }
    auto program = makeProgram("ondel3");
    const LessonTools &tools = program->lessonTools();
    EXPECT_EQ(tools.strobeCount, 4);
    EXPECT_EQ(tools.strobeSpacing, 3); // an eighth of the 24-tick period
    const struct {
        Action action;
        int value;
        int held;
    } rows[] = {{Action::StrobeCount, 6, 6},    {Action::StrobeCount, 0, 1},      {Action::StrobeCount, 99, 8},
                {Action::StrobeSpacing, 12, 12}, {Action::StrobeSpacing, -5, 1}, {Action::StrobeSpacing, 1 << 30, 1000}};
    for (const auto &row : rows) {
        program->setValue(row.action, row.value);
        EXPECT_EQ(row.action == Action::StrobeCount ? tools.strobeCount : tools.strobeSpacing, row.held) << row.value;
    }
}

} // namespace
} // namespace ondel
