// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "travelling_program.h"
#include "travelling_wave.h"

#include "shell/window/pulse_demonstrator.h"

// ondel8 and ondel8_dou: two loaded pulses through (or along) each other on
// 15 particles, their components and sum on the y-x curves.
namespace ondel {

class TravellingDemonstrator : public PulseDemonstrator {
public:
    TravellingDemonstrator(ProgramDescription description, const TravellingRules &rules);

    const TravellingWave &wave() const { return wave_; }
    std::unique_ptr<Demonstrator> copy() const override;

protected:
    void drawFrame(DrawList &window) override;
    RowAxes rowAxes() const override;
    int particleCount() const override;
    RowParticle particleAt(std::int64_t time, int particle) const override;
    double tracedWindowY(std::int64_t time) const override;

private:
    // The wave reads the copy's own columns.
    TravellingDemonstrator(const TravellingDemonstrator &other);

    TravellingWave wave_;
};

} // namespace ondel
