#pragma once

#include "reflection_wave.h"

#include "shell/pulse_demonstrator.h"

// ondel9: the first column of the pulse data file runs right along nine
// particles and is reflected at a free or a fixed end ("自由固定"). The
// particles move with incident plus reflected pulse; the y-x curves show the
// incident (blue), reflected (red) and sum (black).
namespace ondel {

class PulseReflectionDemonstrator : public PulseDemonstrator {
public:
    PulseReflectionDemonstrator();

    const ReflectionWave<PulseTable> &wave() const { return wave_; }

protected:
    void Timer1_Timer(DrawList &window) override;
    double tracedWindowY(std::int64_t time) const override;

private:
    ReflectionWave<PulseTable> wave_;
};

} // namespace ondel
