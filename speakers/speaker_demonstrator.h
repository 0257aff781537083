// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker_controls.h"
#include "speaker_program.h"
#include "speaker_wave.h"

#include "shell/window/pulse_demonstrator.h"

// ondel15: two loudspeakers on the row, driven with the loaded signal in
// phase or in anti-phase, their rear faces switchable, the separation typed
// into the box under the file name. The y-x curves show the first speaker's sound (blue), the
// second's (red) and their sum.
namespace ondel {

class SpeakerDemonstrator : public PulseDemonstrator {
public:
    explicit SpeakerDemonstrator(ProgramDescription description);

    const SpeakerSettings &speakers() const { return speakers_; }
    const SpeakerWave &wave() const { return wave_; }
    std::unique_ptr<Demonstrator> copy() const override;

protected:
    void drawFrame(DrawList &window) override;
    RowAxes rowAxes() const override;
    int particleCount() const override;
    RowParticle particleAt(std::int64_t time, int particle) const override;
    // The separation is taken over before the file is read, so it holds
    // even when the file cannot be loaded.
    void beforeLoad() override { applySeparation(speakers_, inputs().separation); }
    double tracedWindowY(std::int64_t time) const override;
    void afterLoad() override;
    StandingPattern standingPattern() const override;

private:
    // The wave reads the copy's own column and speakers.
    SpeakerDemonstrator(const SpeakerDemonstrator &other);

    SpeakerSettings speakers_;
    SpeakerWave wave_;
    int tonePeriod_ = 0; // of the loaded signal; 0 before a tone is loaded
};

} // namespace ondel
