#pragma once

#include "travelling_wave.h"

#include "shell/pulse_demonstrator.h"

// ondel8 and ondel8_dou: two loaded pulses through (or along) each other on
// 15 particles, their components and sum on the y-x curves.
namespace ondel {

struct TravellingConfig {
    std::string defaultFile;
    SecondPulseDirection secondDirection;
};

class TravellingDemonstrator : public PulseDemonstrator {
public:
    explicit TravellingDemonstrator(const TravellingConfig &config);

    static TravellingConfig ondel8() { return {"pulse160a", SecondPulseDirection::Backward}; }
    static TravellingConfig ondel8Dou() { return {"dou160", SecondPulseDirection::Forward}; }

    const TravellingWave &wave() const { return wave_; }

protected:
    void Timer1_Timer(DrawList &window) override;
    double tracedWindowY(std::int64_t time) const override;

private:
    TravellingWave wave_;
};

} // namespace ondel
