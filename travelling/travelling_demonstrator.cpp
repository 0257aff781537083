// SPDX-License-Identifier: GPL-3.0-or-later
#include "travelling_demonstrator.h"

#include "shell/state/geometry.h"
#include "shell/drawing/render.h"

namespace ondel {

namespace {

WindowLayout travellingLayout(const std::string &defaultFile, const Clock &clock)
{
    WindowLayout layout{11880, 8595, pulseWindowControls(9120, 0, clock.timerInterval)};
    layout.controls.push_back(control("Text1", ControlKind::TextBox, defaultFile, {0, 120, 975, 270}, 22, std::nullopt,
                                      Action::PulseFileName));
    layout.controls.push_back(control("Command9", ControlKind::Button, "実行/再実行", {960, 0, 615, 495}, 21,
                                      FontSpec{8.25, 400}, Action::LoadPulse));
    return layout;
}

} // namespace

ProgramDescription travellingProgram(ProgramIdentity identity, const TravellingRules &rules)
{
    const Clock clock = pulseClock(2880);
    return {.identity = std::move(identity),
            .layout = travellingLayout(rules.defaultFile, clock),
            .clock = clock,
            .trace = pulseTraceConfig(true),
            .initial = {},
            .defaultFile = rules.defaultFile,
            .lessons = pulse_frame::lessonDefaults,
            .engine = engineOf<TravellingDemonstrator>(rules)};
}

TravellingDemonstrator::TravellingDemonstrator(ProgramDescription description, const TravellingRules &rules)
    : PulseDemonstrator(std::move(description)), wave_(forwardPulse(), backwardPulse(), rules.secondDirection)
{
}

TravellingDemonstrator::TravellingDemonstrator(const TravellingDemonstrator &other)
    : PulseDemonstrator(other), wave_(forwardPulse(), backwardPulse(), other.wave_.direction())
{
}

std::unique_ptr<Demonstrator> TravellingDemonstrator::copy() const
{
    return std::unique_ptr<Demonstrator>(new TravellingDemonstrator(*this));
}

void TravellingDemonstrator::drawFrame(DrawList &window)
{
    startFrame(window);
    drawCurrentRows(window);
    pulse_frame::drawYxCurves(state(), wave_, window);
}

RowAxes TravellingDemonstrator::rowAxes() const { return pulse_frame::rowAxes; }

int TravellingDemonstrator::particleCount() const { return geometry::fullRowParticles; }

RowParticle TravellingDemonstrator::particleAt(std::int64_t time, int particle) const
{
    return pulse_frame::particleAt(wave_, time, particle);
}

double TravellingDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
