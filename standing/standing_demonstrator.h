// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "standing_program.h"
#include "standing_wave.h"

#include "shell/window/demonstrator.h"
#include "shell/drawing/particle_rows.h"

// ondel3, ondel3a, ondel5 and ondel5a: a sine wave on 15 particles, by
// default travelling toward +x; "定常波" shows instead the average of it and
// its copy run backward in time, the standing wave. Transverse row on the
// axis y 2000 (1000 twips per unit, upward), longitudinal row on y 4000 or
// 2000 (500 twips per unit, to the right).
namespace ondel {

class StandingDemonstrator : public Demonstrator {
public:
    StandingDemonstrator(ProgramDescription description, const StandingRules &rules);

    bool standingWaveOn() const { return standingWaveOn_; }
    std::unique_ptr<Demonstrator> copy() const override;

protected:
    void drawFrame(DrawList &window) override;
    RowAxes rowAxes() const override;
    int particleCount() const override;
    RowParticle particleAt(std::int64_t time, int particle) const override;
    // The forward wave, whatever is shown: the trace starts from it.
    double tracedWindowY(std::int64_t time) const override;
    StandingPattern standingPattern() const override;
    int ticksPerSpacing() const override { return wave_.ticksPerSpacing(); }

private:
    StandingDemonstrator(const StandingDemonstrator &other) = default;

    void drawDirectionArrows(DrawList &window) const;
    void drawYxCurve(DrawList &window) const;

    // A screen coordinate of the wave shown: the forward wave's, or while
    // the standing wave shows, its average with the backward copy's.
    double shown(double forward, double backward) const;

    StandingRules rules_;
    StandingWave wave_;
    bool standingWaveOn_ = false;
};

} // namespace ondel
