#include "travelling_demonstrator.h"

#include "shell/render.h"

namespace ondel {

namespace {

WindowLayout travellingLayout(const std::string &defaultFile)
{
    WindowLayout layout{11880, 8595, groupAControls(9120, 0, 10)};
    layout.controls.push_back({"Text1", ControlKind::TextBox, defaultFile, {0, 120, 975, 270}, 22, std::nullopt});
    layout.controls.push_back({"Command9", ControlKind::Button, "実行/再実行", {960, 0, 615, 495}, 21, FontSpec{8.25, 400}});
    return layout;
}

constexpr int particleCount = 15;

} // namespace

TravellingDemonstrator::TravellingDemonstrator(const TravellingConfig &config)
    : PulseDemonstrator(travellingLayout(config.defaultFile), Timeline{HandlerForm::A, 2880},
                        pulseTraceConfig(true), InitialState{0, 1}),
      wave_(forwardPulse(), backwardPulse(), config.secondDirection)
{
}

void TravellingDemonstrator::Timer1_Timer(DrawList &window)
{
    pulse_frame::beginFrame(state(), timeline(), window);
    pulse_frame::drawParticles(state(), traceConfig(), wave_, particleCount, window, picture());
    pulse_frame::drawYxCurves(state(), wave_, window);
}

double TravellingDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
