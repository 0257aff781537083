// SPDX-License-Identifier: GPL-3.0-or-later
#include "reflection_demonstrator.h"

#include "drawn_pulse.h"
#include "reflection_frame.h"

#include "shell/pulse/pulse_writer.h"
#include "shell/drawing/render.h"

namespace ondel {

namespace {

WindowLayout reflectionLayout(const ReflectionRules &rules, const Clock &clock)
{
    using K = ControlKind;
    WindowLayout layout{11880, 8595, pulseWindowControls(120, 480, clock.timerInterval)};
    auto &controls = layout.controls;
    if (rules.source == IncidentSource::LoadedPulse) {
        controls.push_back(control("Text1", K::TextBox, rules.defaultFile, {120, 120, 975, 270}, 22, std::nullopt,
                                   Action::PulseFileName));
        controls.push_back(control("Command9", K::Button, "実行/再実行", {1080, 0, 615, 495}, 21, FontSpec{8.25, 400},
                                   Action::LoadPulse));
        controls.push_back(
            control("Command6", K::Button, "自由固定", {9960, 0, 615, 495}, 23, std::nullopt, Action::NextEndCondition));
        return layout;
    }
    controls.push_back(control("Command6", K::Button, "自由固定無反射", {9960, 0, 855, 495}, 21, std::nullopt,
                               Action::NextEndCondition));
    ControlSpec slideBar = control("VScroll1", K::VScrollBar, "", {120, 1200, 375, 3495}, 22, std::nullopt, Action::SlideBar);
    slideBar.range = {0, 255, SliderSamples::rest};
    controls.push_back(slideBar);
    controls.push_back(control("Label7", K::Label, "↑スライドバーを動かす", {120, 4680, 3375, 375}, 23,
                               FontSpec{14.25, 700}, Action::None));
    return layout;
}

} // namespace

ProgramDescription reflectionProgram(ProgramIdentity identity, const ReflectionRules &rules)
{
    const Clock clock = pulseClock(rules.timeLimit);
    return {.identity = std::move(identity),
            .layout = reflectionLayout(rules, clock),
            .clock = clock,
            .trace = pulseTraceConfig(false),
            .initial = {},
            .defaultFile = rules.defaultFile,
            .lessons = pulse_frame::lessonDefaults,
            .engine = engineOf<ReflectionDemonstrator>(rules)};
}

ReflectionDemonstrator::ReflectionDemonstrator(ProgramDescription description, const ReflectionRules &rules)
    : PulseDemonstrator(std::move(description)), rules_(rules),
      wave_(incidentSource())
{
    onAction(Action::NextEndCondition,
             [this] { wave_.setEndCondition(nextEndCondition(wave_.endCondition(), rules_.endChoices)); });
}

ReflectionDemonstrator::ReflectionDemonstrator(const ReflectionDemonstrator &other)
    : PulseDemonstrator(other), rules_(other.rules_), sliderSamples_(other.sliderSamples_), wave_(incidentSource())
{
    wave_.setEndCondition(other.wave_.endCondition());
}

std::unique_ptr<Demonstrator> ReflectionDemonstrator::copy() const
{
    return std::unique_ptr<Demonstrator>(new ReflectionDemonstrator(*this));
}

IncidentSamples ReflectionDemonstrator::incidentSource() const
{
    if (rules_.source == IncidentSource::SlideBar)
        return [this](std::int64_t k) { return sliderSamples_.at(k); };
    return [this](std::int64_t k) { return forwardPulse().at(k); };
}

void ReflectionDemonstrator::drawFrame(DrawList &window)
{
    startFrame(window);
    // Every tick, running or not: while stopped the same left-end sample is
    // overwritten, so the bar shows nothing until the animation runs again.
    if (rules_.source == IncidentSource::SlideBar)
        sliderSamples_.record(state().timeIndex, inputs().slideBar);
    reflection_frame::drawEndLine(window, wave_.endCondition());
    drawCurrentRows(window);
    reflection_frame::drawYxCurves(state(), wave_, wave_.endCondition(), rules_.smallReflectedRim, window);
}

RowAxes ReflectionDemonstrator::rowAxes() const { return pulse_frame::rowAxes; }

int ReflectionDemonstrator::particleCount() const { return reflection_frame::particleCount; }

RowParticle ReflectionDemonstrator::particleAt(std::int64_t time, int particle) const
{
    return pulse_frame::particleAt(wave_, time, particle);
}

double ReflectionDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel

namespace ondel {

SavedFile ReflectionDemonstrator::drawnPulseFile() const
{
    if (rules_.source != IncidentSource::SlideBar)
        return Demonstrator::drawnPulseFile();
    const std::optional<DrawnPulse> pulse = drawnPulse(sliderSamples_);
    if (!pulse)
        return {std::nullopt, "保存するパルスがありません。\nスライドバーを動かしてパルスを描いてから保存してください。"};
    return {pulseFileText(pulse->records), drawnPulseNote(*pulse)};
}

} // namespace ondel
