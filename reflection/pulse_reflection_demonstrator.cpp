#include "pulse_reflection_demonstrator.h"

#include "reflection_frame.h"

#include "shell/render.h"

namespace ondel {

namespace {

WindowLayout ondel9Layout()
{
    WindowLayout layout{11880, 8595, groupAControls(120, 480, 10)};
    layout.controls.push_back({"Text1", ControlKind::TextBox, "pulse160a", {120, 120, 975, 270}, 22, std::nullopt});
    layout.controls.push_back({"Command9", ControlKind::Button, "実行/再実行", {1080, 0, 615, 495}, 21, FontSpec{8.25, 400}});
    layout.controls.push_back({"Command6", ControlKind::Button, "自由固定", {9960, 0, 615, 495}, 23, std::nullopt});
    return layout;
}

} // namespace

PulseReflectionDemonstrator::PulseReflectionDemonstrator()
    : PulseDemonstrator(ondel9Layout(), Timeline{HandlerForm::A, 2880}, pulseTraceConfig(false), InitialState{0, 1}),
      wave_(forwardPulse())
{
    onClick("Command6", [this] { wave_.setEndSign(nextEndSign(wave_.endSign(), EndChoices::FreeFixed)); });
}

void PulseReflectionDemonstrator::Timer1_Timer(DrawList &window)
{
    pulse_frame::beginFrame(state(), timeline(), window);
    reflection_frame::drawMedium(state(), traceConfig(), wave_, wave_.endSign(), colour::red, window, picture());
}

double PulseReflectionDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
