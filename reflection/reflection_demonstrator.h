// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reflection_program.h"
#include "reflection_wave.h"
#include "slider_samples.h"

#include "shell/window/pulse_demonstrator.h"

// ondel9 and ondel10: an incident pulse runs right along nine particles and
// is reflected at a free, fixed or non-reflecting end. The particles move
// with incident plus reflected pulse; the y-x curves show the incident
// (blue), reflected (red) and sum (black). The pulse is the first column of
// the pulse data file or, drawn by hand, the slide bar's history: its value
// is sampled every tick and drives the left end of the medium.
namespace ondel {

class ReflectionDemonstrator : public PulseDemonstrator {
public:
    ReflectionDemonstrator(ProgramDescription description, const ReflectionRules &rules);

    const ReflectionWave &wave() const { return wave_; }
    const SliderSamples &sliderSamples() const { return sliderSamples_; }
    SavedFile drawnPulseFile() const override;
    std::unique_ptr<Demonstrator> copy() const override;

protected:
    void drawFrame(DrawList &window) override;
    RowAxes rowAxes() const override;
    int particleCount() const override;
    RowParticle particleAt(std::int64_t time, int particle) const override;
    double tracedWindowY(std::int64_t time) const override;

private:
    // The wave reads the copy's own samples.
    ReflectionDemonstrator(const ReflectionDemonstrator &other);
    IncidentSamples incidentSource() const;

    ReflectionRules rules_;
    SliderSamples sliderSamples_;
    ReflectionWave wave_;
};

} // namespace ondel
