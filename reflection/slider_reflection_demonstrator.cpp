#include "slider_reflection_demonstrator.h"

#include "reflection_frame.h"

#include "shell/render.h"

namespace ondel {

namespace {

WindowLayout ondel10Layout()
{
    WindowLayout layout{11880, 8595, groupAControls(120, 480, 10)};
    layout.controls.push_back({"Command6", ControlKind::Button, "自由固定無反射", {9960, 0, 855, 495}, 21, std::nullopt});
    ControlSpec slideBar{"VScroll1", ControlKind::VScrollBar, "", {120, 1200, 375, 3495}, 22, std::nullopt};
    slideBar.range = {0, 255, SliderSamples::rest};
    layout.controls.push_back(slideBar);
    layout.controls.push_back({"Label7", ControlKind::Label, "↑スライドバーを動かす", {120, 4680, 3375, 375}, 23, FontSpec{14.25, 700}});
    return layout;
}

} // namespace

SliderReflectionDemonstrator::SliderReflectionDemonstrator()
    : Demonstrator(ondel10Layout(), Timeline{HandlerForm::A, 31500}, pulseTraceConfig(false), InitialState{0, 1}),
      wave_(sliderSamples_)
{
    onClick("Command6", [this] { wave_.setEndSign(nextEndSign(wave_.endSign(), EndChoices::FreeFixedNonReflecting)); });
}

void SliderReflectionDemonstrator::Timer1_Timer(DrawList &window)
{
    pulse_frame::beginFrame(state(), timeline(), window);
    // Every tick, running or not: while stopped the same left-end sample is
    // overwritten, so the bar shows nothing until the animation runs again.
    sliderSamples_.record(state().timeIndex, controls().vscroll1);
    reflection_frame::drawMedium(state(), traceConfig(), wave_, wave_.endSign(), colour::black, window, picture());
}

double SliderReflectionDemonstrator::tracedWindowY(std::int64_t time) const
{
    return pulse_frame::tracedTransverseY(state(), wave_, time);
}

} // namespace ondel
