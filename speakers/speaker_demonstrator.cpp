#include "speaker_demonstrator.h"

#include "speaker_frame.h"

#include "shell/render.h"

namespace ondel {

namespace {

WindowLayout speakerLayout()
{
    constexpr FontSpec small{8.25, 400};
    WindowLayout layout{11880, 8595, groupAControls(9120, 0, 10)};
    layout.controls.push_back({"Text1", ControlKind::TextBox, "ren80", {0, 120, 975, 270}, 22, std::nullopt});
    layout.controls.push_back({"Command9", ControlKind::Button, "実行/再実行", {960, 0, 615, 495}, 21, small});
    layout.controls.push_back({"Text2", ControlKind::TextBox, "140", {120, 720, 495, 495}, 23, std::nullopt});
    layout.controls.push_back({"Command6", ControlKind::Button, "同相逆相", {720, 720, 495, 495}, 24, std::nullopt});
    layout.controls.push_back({"Command10", ControlKind::Button, "スピーカ向き", {1320, 720, 615, 495}, 25, small});
    return layout;
}

} // namespace

SpeakerDemonstrator::SpeakerDemonstrator()
    : PulseDemonstrator(speakerLayout(), Timeline{HandlerForm::A, 2880}, pulseTraceConfig(false), InitialState{0, 1}),
      wave_(forwardPulse(), speakers_)
{
    applySeparation(speakers_, controls().text2);
    // The separation is taken over before the file is read, so it holds even
    // when the file cannot be loaded.
    onClick("Command9", [this] {
        applySeparation(speakers_, controls().text2);
        loadPulseFile();
    });
    onClick("Command6", [this] { Command6_Click(speakers_); });
    onClick("Command10", [this] { Command10_Click(speakers_); });
}

void SpeakerDemonstrator::Timer1_Timer(DrawList &window)
{
    pulse_frame::beginFrame(state(), timeline(), window);
    speaker_frame::drawMidpointMarkers(speakers_.speaker2Position, window);
    speaker_frame::drawParticles(state(), traceConfig(), wave_, speakers_, window, picture());
    pulse_frame::drawYxCurves(state(), wave_, window);
}

double SpeakerDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
