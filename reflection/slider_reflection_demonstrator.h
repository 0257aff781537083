#pragma once

#include "reflection_wave.h"
#include "slider_samples.h"

#include "shell/demonstrator.h"

// ondel10: the teacher draws the pulse by hand with the slide bar VScroll1,
// which drives the left end of the medium; its value is sampled every tick
// and runs right along nine particles, to be reflected at a free, fixed or
// non-reflecting end ("自由固定無反射"). No data file. Time runs 0..31500
// ticks, long enough for several minutes of drawing at 10 ms a tick.
namespace ondel {

class SliderReflectionDemonstrator : public Demonstrator {
public:
    SliderReflectionDemonstrator();

    const ReflectionWave<SliderSamples> &wave() const { return wave_; }
    const SliderSamples &sliderSamples() const { return sliderSamples_; }

protected:
    void Timer1_Timer(DrawList &window) override;
    double tracedWindowY(std::int64_t time) const override;

private:
    SliderSamples sliderSamples_;
    ReflectionWave<SliderSamples> wave_;
};

} // namespace ondel
