// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker_demonstrator.h"

#include "speaker_frame.h"

#include "shell/drawing/render.h"
#include "shell/lesson/tone_period.h"
#include "shell/state/geometry.h"

namespace ondel {

namespace {

constexpr const char *defaultFile = "ren80";

// About an eighth of the default tone's period (ren80's 140 ticks) between
// exposures; 腹 and 節 are taken over the period of whatever tone is loaded.
constexpr LessonDefaults lessonDefaults{.strobeCount = 4, .strobeSpacing = 18, .marksNodes = true};

WindowLayout speakerLayout(const Clock &clock)
{
    using K = ControlKind;
    constexpr FontSpec small{8.25, 400};
    WindowLayout layout{11880, 8595, pulseWindowControls(9120, 0, clock.timerInterval)};
    auto &controls = layout.controls;
    controls.push_back(control("Text1", K::TextBox, defaultFile, {0, 120, 975, 270}, 22, std::nullopt, Action::PulseFileName));
    controls.push_back(control("Command9", K::Button, "実行/再実行", {960, 0, 615, 495}, 21, small, Action::LoadPulse));
    controls.push_back(control("Text2", K::TextBox, "140", {120, 720, 495, 495}, 23, std::nullopt, Action::Separation));
    controls.push_back(control("Command6", K::Button, "同相逆相", {720, 720, 495, 495}, 24, std::nullopt, Action::TogglePhase));
    controls.push_back(control("Command10", K::Button, "スピーカ向き", {1320, 720, 615, 495}, 25, small, Action::FlipRearFaces));
    return layout;
}

} // namespace

ProgramDescription speakerProgram(ProgramIdentity identity)
{
    const Clock clock = pulseClock(2880);
    return {.identity = std::move(identity),
            .layout = speakerLayout(clock),
            .clock = clock,
            .trace = pulseTraceConfig(false),
            .initial = {},
            .defaultFile = defaultFile,
            .lessons = lessonDefaults,
            .engine = engineOf<SpeakerDemonstrator>()};
}

SpeakerDemonstrator::SpeakerDemonstrator(ProgramDescription description)
    : PulseDemonstrator(std::move(description)), wave_(forwardPulse(), speakers_)
{
    applySeparation(speakers_, inputs().separation);
    onAction(Action::TogglePhase, [this] { togglePhase(speakers_); });
    onAction(Action::FlipRearFaces, [this] { flipRearFaces(speakers_); });
}

void SpeakerDemonstrator::drawFrame(DrawList &window)
{
    startFrame(window);
    speaker_frame::drawMidpointMarkers(speakers_.speaker2Position, window);
    drawCurrentRows(window);
    pulse_frame::drawYxCurves(state(), wave_, window);
}

RowAxes SpeakerDemonstrator::rowAxes() const { return pulse_frame::rowAxes; }

int SpeakerDemonstrator::particleCount() const { return geometry::fullRowParticles; }

RowParticle SpeakerDemonstrator::particleAt(std::int64_t time, int particle) const
{
    return speaker_frame::particleAt(wave_, speakers_, time, particle);
}

SpeakerDemonstrator::SpeakerDemonstrator(const SpeakerDemonstrator &other)
    : PulseDemonstrator(other), speakers_(other.speakers_), wave_(forwardPulse(), speakers_),
      tonePeriod_(other.tonePeriod_)
{
}

std::unique_ptr<Demonstrator> SpeakerDemonstrator::copy() const
{
    return std::unique_ptr<Demonstrator>(new SpeakerDemonstrator(*this));
}

void SpeakerDemonstrator::afterLoad() { tonePeriod_ = tonePeriod(forwardPulse()); }

// Over one period of the loaded tone, with each speaker's own position on
// the side that faces the other speaker.
StandingPattern SpeakerDemonstrator::standingPattern() const
{
    return {tonePeriod_, [this](std::int64_t t, int x) {
                return pulse_frame::rowAxes.transverseY - pulse_frame::transverseY(wave_.facingDisplacement(static_cast<int>(t), x));
            }};
}

double SpeakerDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
