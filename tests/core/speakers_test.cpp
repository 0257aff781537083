// SPDX-License-Identifier: GPL-3.0-or-later
#include "speakers/speaker_demonstrator.h"
#include "speakers/speaker_frame.h"
#include "speakers/speaker_wave.h"

#include "shell/state/geometry.h"
#include "shell/drawing/render.h"
#include "tests/support/primitive_printing.h"
#include "shell/window/session.h"
#include "tests/support/frame_circles.h"
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace ondel {
namespace {

// forwardPulse[k] = k + 0.5: a value names the index it came from, and 0
// means "not arrived yet" (even index 0 reads 0.5).
PulseTable indexedSignal()
{
    PulseTable table;
    for (int k = 0; k <= PulseTable::lastIndex; ++k)
        table.set(k, static_cast<float>(k) + 0.5f);
    return table;
}

constexpr float notArrived = 0.0f;
float sample(int k) { return static_cast<float>(k) + 0.5f; }

TEST(SpeakerWave, FirstSpeakerDelaysByDistanceAndSignsItsRear)
{
    struct Row {
        const char *name;
        std::int16_t rearSign;
        int t, x;
        float expected;
    };
    const Row rows[] = {
        {"own position leads by 200", 1, 0, 60, sample(200)},
        {"own position at the end of the cycle", 1, 2880, 60, sample(3080)},
        {"front side, 40 away", 1, 10, 100, sample(170)},
        {"front side, sound just arrived", 1, 0, 260, sample(0)},
        {"front side, not yet arrived", 1, 0, 300, notArrived},
        {"rear side next to the speaker", 1, 0, 59, sample(199)},
        {"rear side far end", 1, 5, 20, sample(165)},
        {"rear side inverted", -1, 0, 59, -sample(199)},
        {"front side ignores the rear sign", -1, 0, 61, sample(199)},
        {"rear side at the traced seed time", 1, -2, 1, sample(139)},
    };
    const PulseTable signal = indexedSignal();
    for (const Row &row : rows) {
        SpeakerSettings speakers;
        speakers.rearSign = row.rearSign;
        const SpeakerWave wave(signal, speakers);
        EXPECT_EQ(wave.Speaker1Wave(row.t, row.x), row.expected) << row.name;
    }
    EXPECT_EQ(signal.outOfRangeReads(), 0);
}

TEST(SpeakerWave, SecondSpeakerDelaysByDistanceWithPhaseAndRearSigns)
{
    constexpr double huge = std::numeric_limits<double>::max();
    struct Row {
        const char *name;
        double position;
        int phase;
        std::int16_t rearSign;
        int t, x;
        float expected;
    };
    const Row rows[] = {
        {"own position belongs to the rear", 200, 1, 1, 0, 200, sample(200)},
        {"own position takes both signs", 200, -1, -1, 0, 200, sample(200)},
        {"own position, rear inverted", 200, 1, -1, 0, 200, -sample(200)},
        {"front side next to it", 200, 1, -1, 0, 199, sample(199)},
        {"front side in anti-phase", 200, -1, 1, 0, 100, -sample(100)},
        {"front side at the left end", 200, 1, 1, 0, 1, sample(1)},
        {"rear side", 200, 1, 1, 30, 300, sample(130)},
        {"rear side anti-phase and inverted", 200, -1, -1, 30, 300, sample(130)},
        {"front side not yet arrived", 400, 1, 1, 0, 100, notArrived},
        {"rear side not yet arrived", -100, 1, 1, 0, 250, notArrived},
        {"half position: 99.5 rounds to 100", 200.5, 1, 1, 0, 100, sample(100)},
        {"half position: 100.5 rounds to 100", 200.5, 1, 1, 0, 101, sample(100)},
        {"half position: 101.5 rounds to 102", 200.5, 1, 1, 0, 102, sample(102)},
        {"half position: the whole place below is front", 200.5, 1, -1, 0, 200, sample(200)},
        {"half position: rear 199.5 rounds to 200", 200.5, 1, -1, 0, 201, -sample(200)},
        {"half position: rear 198.5 rounds to 198", 200.5, 1, 1, 0, 202, sample(198)},
        {"half position: -0.5 has not arrived", 200.5, 1, 1, 0, 0, notArrived},
        {"separation 140.5 on particle 10", 200.5, 1, 1, 100, 200, sample(300)},
        {"far to the right", 1e15, 1, 1, 2880, 300, notArrived},
        {"at the largest real", huge, 1, 1, 2880, 300, notArrived},
        {"far to the left", -1e15, 1, 1, 2880, 1, notArrived},
        {"at the most negative real", -huge, -1, -1, 2880, 1, notArrived},
    };
    const PulseTable signal = indexedSignal();
    for (const Row &row : rows) {
        const SpeakerSettings speakers{row.position, static_cast<float>(row.position / 20), row.phase, row.rearSign};
        const SpeakerWave wave(signal, speakers);
        EXPECT_EQ(wave.Speaker2Wave(row.t, row.x), row.expected) << row.name;
    }
    EXPECT_EQ(signal.outOfRangeReads(), 0);
}

// Two speakers at one place: in phase they double one speaker's sound, in
// anti-phase they cancel everywhere.
TEST(SpeakerWave, SpeakersAtOnePlaceDoubleOrCancel)
{
    struct Row {
        const char *name;
        int phase;
        float factor;
    };
    const Row rows[] = {{"in phase", 1, 2.0f}, {"anti-phase", -1, 0.0f}};
    PulseTable signal;
    for (int k = 1; k <= PulseTable::lastIndex; ++k)
        signal.set(k, static_cast<float>(std::sin(k * 0.09)));
    for (const Row &row : rows) {
        const SpeakerSettings speakers{60, 3, row.phase, 1};
        const SpeakerWave wave(signal, speakers);
        for (int t : {0, 700, 2880})
            for (int x = 1; x <= 300; ++x)
                ASSERT_EQ(wave.displacement(t, x), row.factor * wave.Speaker1Wave(t, x))
                    << row.name << " t=" << t << " x=" << x;
    }
}

TEST(SpeakerSettings, PhaseAndOrientationButtonsCycleThroughFourStates)
{
    enum class Button { Phase, Orientation };
    struct Row {
        int rearSign, phase;
        Button button;
        int expectedRearSign, expectedPhase;
    };
    const Row rows[] = {
        {1, 1, Button::Phase, 1, -1},     {1, 1, Button::Orientation, -1, -1},
        {1, -1, Button::Phase, 1, 1},     {1, -1, Button::Orientation, -1, 1},
        {-1, -1, Button::Phase, -1, 1},   {-1, -1, Button::Orientation, 1, 1},
        {-1, 1, Button::Phase, -1, -1},   {-1, 1, Button::Orientation, 1, -1},
    };
    for (const Row &row : rows) {
        SpeakerSettings speakers{123.5, 6.175f, row.phase, static_cast<std::int16_t>(row.rearSign)};
        if (row.button == Button::Phase)
            togglePhase(speakers);
        else
            flipRearFaces(speakers);
        const char *name = row.button == Button::Phase ? "同相逆相" : "スピーカ向き";
        EXPECT_EQ(speakers.rearSign, row.expectedRearSign) << name << " from " << row.rearSign << "," << row.phase;
        EXPECT_EQ(speakers.speaker2Phase, row.expectedPhase) << name << " from " << row.rearSign << "," << row.phase;
        EXPECT_EQ(speakers.speaker2Position, 123.5) << "the buttons leave the separation alone";
    }
}

TEST(SpeakerSettings, SeparationTextPlacesTheSecondSpeaker)
{
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    const std::string digits400(400, '9');
    struct Row {
        std::string text;
        double position;
        float particle;
    };
    const Row rows[] = {
        {"140", 200, 10},
        {"100", 160, 8},
        {"0", 60, 3},
        {"abc", 60, 3},
        {"", 60, 3},
        {"-40", 20, 1},
        {"150", 210, 10.5f},
        {"140.5", 200.5, 10.025f},
        {" 140 metres", 200, 10},
        {"1e308", 61, 3.05f},
        {"-99999999999", -99999999939.0, static_cast<float>(-99999999939.0 / 20)},
        {digits400, huge, infinity},
        {"-" + digits400, -huge, -infinity},
    };
    for (const Row &row : rows) {
        SpeakerSettings speakers;
        applySeparation(speakers, row.text);
        EXPECT_EQ(speakers.speaker2Position, row.position) << '"' << row.text.substr(0, 20) << '"';
        EXPECT_EQ(speakers.speaker2Particle, row.particle) << '"' << row.text.substr(0, 20) << '"';
    }
}

// A signal file of `firstColumn` (second column 0) in `dir`; returns the
// base name as it is typed into the file name box.
std::string writeSignal(const test_support::TempDir &dir, const std::vector<float> &firstColumn)
{
    std::ostringstream csv;
    for (float v : firstColumn)
        csv << v << ",0\n";
    return dir.writePulseFile("signal", csv.str());
}

std::unique_ptr<SpeakerDemonstrator> ondel15() { return test_support::openProgram<SpeakerDemonstrator>("ondel15"); }

// ondel15 with `separation` typed in and run pressed for `signal`.
std::unique_ptr<SpeakerDemonstrator> loadedProgram(const std::string &separation, const std::string &signal)
{
    auto program = ondel15();
    program->setText(Action::PulseFileName, signal);
    program->setText(Action::Separation, separation);
    program->perform(Action::LoadPulse);
    return program;
}

TEST(SpeakerProgram, RunTakesTheSeparationOverEvenWhenTheFileFails)
{
    struct Row {
        const char *name;
        std::string fileName;
        double position;
        bool loads;
    };
    const test_support::TempDir dir;
    const std::string signal = writeSignal(dir, std::vector<float>(100, 0.25f));
    const Row rows[] = {
        {"file loads", signal, 160, true},
        {"missing file", "/nonexistent-folder/ren80", 160, false},
    };
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        EXPECT_EQ(program.speakers().speaker2Position, 200) << row.name << ": the window opens with the default";
        program.perform(Action::FlipRearFaces);
        program.state().timeIndex = 77;
        program.setText(Action::PulseFileName, row.fileName);
        program.setText(Action::Separation, "100");
        program.perform(Action::LoadPulse);
        EXPECT_EQ(program.speakers().speaker2Position, row.position) << row.name;
        EXPECT_EQ(program.speakers().speaker2Particle, 8.0f) << row.name;
        EXPECT_EQ(program.speakers().rearSign, -1) << row.name << ": run keeps the orientation";
        EXPECT_EQ(program.speakers().speaker2Phase, -1) << row.name << ": run keeps the phase";
        EXPECT_EQ(program.state().timeIndex, row.loads ? 0 : 77) << row.name;
        EXPECT_EQ(program.forwardPulse().at(50), row.loads ? 0.25f : 0.0f) << row.name;
        EXPECT_EQ(program.takeMessage().has_value(), !row.loads) << row.name << ": a failure is reported";
    }
}

TEST(SpeakerProgram, SpeakerButtonsAreWiredToTheirControls)
{
    const auto window = ondel15();
    SpeakerDemonstrator &program = *window;
    ASSERT_TRUE(clickControl(program, "Command6"));
    EXPECT_EQ(program.speakers().speaker2Phase, -1);
    ASSERT_TRUE(clickControl(program, "Command10"));
    EXPECT_EQ(program.speakers().speaker2Phase, 1);
    EXPECT_EQ(program.speakers().rearSign, -1);
}

std::vector<CircleOp> particles(const DrawList &frame)
{
    return test_support::circlesOf(frame, geometry::particleRadius);
}

std::vector<CircleOp> withFill(const std::vector<CircleOp> &circles, Rgb fill)
{
    std::vector<CircleOp> found;
    for (const CircleOp &c : circles)
        if (c.fill == fill)
            found.push_back(c);
    return found;
}

std::vector<double> centresX(const std::vector<CircleOp> &circles)
{
    std::vector<double> xs;
    for (const CircleOp &c : circles)
        xs.push_back(c.centre.x);
    return xs;
}

// At rest, with the transverse row shown: which particles are drawn as
// speakers, as two circles each.
TEST(SpeakerFrame, TransverseRowPicksOutTheSpeakerParticles)
{
    struct Row {
        std::string separation;
        std::vector<double> magenta, green;
        std::size_t black;
    };
    const Row rows[] = {
        {"140", {10200, 10200}, {3200, 3200}, 13},
        {"150", {}, {3200, 3200}, 14},
        {"0", {3200, 3200}, {}, 14},
        {"abc", {3200, 3200}, {}, 14},
        {"-40", {1200, 1200}, {3200, 3200}, 13},
        {"100", {8200, 8200}, {3200, 3200}, 13},
    };
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        program.setText(Action::Separation, row.separation);
        program.setText(Action::PulseFileName, "/nonexistent-folder/ren80");
        program.perform(Action::LoadPulse);
        program.perform(Action::ToggleTransverse);
        program.nextFrame();
        const auto circles = particles(program.frame());
        EXPECT_EQ(centresX(withFill(circles, colour::magenta)), row.magenta) << row.separation;
        EXPECT_EQ(centresX(withFill(circles, colour::green)), row.green) << row.separation;
        EXPECT_EQ(withFill(circles, colour::black).size(), row.black) << row.separation;
        for (const CircleOp &c : circles)
            EXPECT_EQ(c.fill, c.rim) << row.separation << " at x " << c.centre.x;
    }
}

// With the rear faces inverted, the speaker particles vanish from the
// longitudinal row and their neighbours get yellow rims.
TEST(SpeakerFrame, LongitudinalRowMarksTheSpeakersNeighbours)
{
    struct Row {
        const char *name;
        std::string separation;
        bool invertRear;
        std::vector<double> yellow;
        std::vector<double> speakers;
        std::size_t count;
    };
    const Row rows[] = {
        {"default, rears as they are", "140", false, {}, {3200, 10200}, 15},
        {"default, rears inverted", "140", true, {2200, 4200, 9200, 11200}, {}, 13},
        {"between particles, rears inverted", "150", true, {2200, 4200}, {}, 14},
        {"second speaker at particle 15", "240", true, {2200, 4200, 14200}, {}, 13},
    };
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        program.setText(Action::Separation, row.separation);
        program.setText(Action::PulseFileName, "/nonexistent-folder/ren80");
        program.perform(Action::LoadPulse);
        if (row.invertRear)
            program.perform(Action::FlipRearFaces);
        program.perform(Action::ToggleLongitudinal);
        program.nextFrame();
        const auto circles = particles(program.frame());
        std::vector<double> yellow, speakers;
        for (const CircleOp &c : circles) {
            EXPECT_EQ(c.centre.y, 5000) << row.name;
            if (c.rim == colour::yellow)
                yellow.push_back(c.centre.x);
            if (c.fill != colour::cyan)
                speakers.push_back(c.centre.x);
        }
        EXPECT_EQ(yellow, row.yellow) << row.name;
        EXPECT_EQ(speakers, row.speakers) << row.name;
        EXPECT_EQ(circles.size(), row.count) << row.name;
    }
}

TEST(SpeakerFrame, SpeakerCirclesPartOnlyWhenTheRearsAreInverted)
{
    struct Row {
        const char *name;
        bool invertRear;
        double front, rear; // window y of the first speaker's two circles
    };
    // A steady signal of 0.25: in front of speaker 1 both speakers add 0.5;
    // inverted, speaker 1's rear and speaker 2's (now anti-phase) front
    // give -0.5 behind it while its front cancels.
    const Row rows[] = {
        {"rears as they are", false, 2500, 2500},
        {"rears inverted", true, 3000, 3500},
    };
    const test_support::TempDir dir;
    const std::string signal = writeSignal(dir, std::vector<float>(3200, 0.25f));
    for (const Row &row : rows) {
        auto program = loadedProgram("140", signal);
        if (row.invertRear)
            program->perform(Action::FlipRearFaces);
        program->perform(Action::ToggleTransverse);
        program->nextFrame();
        const auto green = withFill(particles(program->frame()), colour::green);
        ASSERT_EQ(green.size(), 2u) << row.name;
        EXPECT_EQ(green[0].centre.y, row.front) << row.name;
        EXPECT_EQ(green[1].centre.y, row.rear) << row.name;
    }
}

std::vector<LineOp> lines(const DrawList &frame)
{
    std::vector<LineOp> found;
    for (const Primitive &op : frame.ops())
        if (const auto *line = std::get_if<LineOp>(&op))
            found.push_back(*line);
    return found;
}

TEST(SpeakerFrame, MidpointMarkersStandHalfwayBetweenTheSpeakers)
{
    struct Row {
        std::string separation;
        double x;
    };
    const Row rows[] = {{"140", 6700}, {"100", 5700}, {"150", 6950}, {"0", 3200}, {"-40", 2200}, {"600", 18200}};
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        program.setText(Action::Separation, row.separation);
        program.setText(Action::PulseFileName, "/nonexistent-folder/ren80");
        program.perform(Action::LoadPulse);
        program.nextFrame();
        const auto drawn = lines(program.frame());
        ASSERT_EQ(drawn.size(), 5u) << row.separation << ": three axes and two markers";
        EXPECT_EQ(drawn[3], (LineOp{{row.x, 2800}, {row.x, 3200}, colour::black})) << row.separation;
        EXPECT_EQ(drawn[4], (LineOp{{row.x, 4800}, {row.x, 5200}, colour::black})) << row.separation;
    }
}

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Whatever the teacher types, the frame holds only finite coordinates within
// reach of a window, and the wave never reads outside its table.
TEST(SpeakerFrame, AbsurdSeparationsKeepTheFrameFinite)
{
    const std::string digits400(400, '9');
    const std::string separations[] = {"1e308", "-99999999999", "99999999999", digits400, "-" + digits400,
                                       "0." + std::string(400, '0') + "1", "99999.99999"};
    const test_support::TempDir dir;
    const std::string signal = writeSignal(dir, std::vector<float>(3200, 0.5f));
    for (const std::string &separation : separations) {
        auto program = loadedProgram(separation, signal);
        for (const Action action : {Action::ToggleTransverse, Action::ToggleLongitudinal, Action::ToggleTrace})
            program->perform(action);
        for (int tick = 0; tick < 300; ++tick)
            program->nextFrame();
        const std::string name = separation.substr(0, 20);
        for (const Primitive &op : program->frame().ops()) {
            if (const auto *line = std::get_if<LineOp>(&op)) {
                EXPECT_TRUE(finite(line->from) && finite(line->to)) << name;
                EXPECT_LE(std::abs(line->from.x), speaker_frame::farthestVisibleX) << name;
            }
            if (const auto *circle = std::get_if<CircleOp>(&op)) {
                EXPECT_TRUE(finite(circle->centre)) << name;
            }
        }
        EXPECT_EQ(program->forwardPulse().outOfRangeReads(), 0) << name;
        EXPECT_EQ(program->state().timeIndex, 300) << name << ": the animation runs on";
    }
}

// The y-t trace follows only ordinary particles: a speaker particle is drawn
// twice and feeds no trace point.
TEST(SpeakerFrame, TraceStandsStillOnASpeakerParticle)
{
    struct Row {
        const char *name;
        std::string separation;
        Action traced; // green: particle 1, red: particle 6
        bool advances;
    };
    const Row rows[] = {
        {"particle 6, ordinary", "140", Action::TraceRed, true},
        {"particle 6 is the second speaker", "60", Action::TraceRed, false},
        {"particle 1, ordinary", "140", Action::TraceGreen, true},
        {"particle 1 is the second speaker", "-40", Action::TraceGreen, false},
        {"particle 1 next to a speaker between particles", "-30", Action::TraceGreen, true},
    };
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        program.setText(Action::Separation, row.separation);
        program.setText(Action::PulseFileName, "/nonexistent-folder/ren80");
        program.perform(Action::LoadPulse);
        program.perform(row.traced);
        program.perform(Action::ToggleTransverse);
        program.perform(Action::ToggleTrace);
        program.takePictureOps();
        program.nextFrame();
        EXPECT_EQ(program.state().ytColumn, row.advances ? 6 : 5) << row.name;
        EXPECT_EQ(program.pendingPictureOps().empty(), !row.advances) << row.name;
    }
}

// The trace is seeded from the sum of both speakers, and its oldest point
// keeps its fraction in this program.
TEST(SpeakerProgram, TraceSeedIsTheSumOfBothSpeakersUnrounded)
{
    std::vector<float> values(3200);
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = 0.0003f * static_cast<float>(k % 7);
    const test_support::TempDir dir;
    const std::string signal = writeSignal(dir, values);
    auto program = loadedProgram("140", signal);
    program->state().timeIndex = 500;
    program->perform(Action::ToggleTrace);
    const SpeakerWave &wave = program->wave();
    const auto y = [&](int t) { return double{pulse_frame::transverseY(wave.displacement(t, 120))}; };
    EXPECT_EQ(program->state().ytPrevY1, y(500));
    EXPECT_EQ(program->state().ytPrevY2, y(499));
    EXPECT_EQ(program->state().ytPrevY3, y(498));
    EXPECT_NE(program->state().ytPrevY3, std::nearbyint(program->state().ytPrevY3)) << "the signal was chosen to leave a fraction";
}

// The shipped tone, at the default separation of one wavelength: in phase
// the sound outside the speakers doubles and the midpoint between them is
// an antinode; in anti-phase the outside falls silent and the midpoint
// becomes a node.
TEST(SpeakerProgram, DefaultToneShowsInPhaseAndAntiPhaseApart)
{
    struct Row {
        const char *name;
        bool antiPhase;
        float outside;  // amplitude at particles 1, 2 and 11
        float midpoint; // at data position 130
    };
    const Row rows[] = {{"in phase", false, 1.0f, 1.0f}, {"anti-phase", true, 0.0f, 0.0f}};
    for (const Row &row : rows) {
        const auto window = ondel15();
        SpeakerDemonstrator &program = *window;
        program.setText(Action::PulseFileName, std::string(ONDEL_DATA_DIR) + "/" + program.inputs().pulseFileName);
        program.perform(Action::LoadPulse);
        ASSERT_FALSE(program.takeMessage()) << row.name;
        if (row.antiPhase)
            program.perform(Action::TogglePhase);
        const SpeakerWave &wave = program.wave();
        const auto amplitude = [&](int x) {
            float largest = 0;
            for (int t = 1000; t < 1140; ++t)
                largest = std::max(largest, std::abs(wave.displacement(t, x)));
            return largest;
        };
        for (int x : {20, 40, 220})
            EXPECT_NEAR(amplitude(x), row.outside, 0.01) << row.name << " at " << x;
        EXPECT_NEAR(amplitude(130), row.midpoint, 0.01) << row.name;
        EXPECT_EQ(wave.displacement(0, 130), 0.0f) << row.name << ": silent when the cycle starts";
    }
}

} // namespace
} // namespace ondel
