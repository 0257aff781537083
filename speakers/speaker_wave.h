// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker_controls.h"

#include "shell/pulse/pulse_table.h"
#include "shell/drawing/pulse_wave.h"

// The sound of two loudspeakers that face each other and play one signal,
// forwardPulse. Sound travels one data position per tick; a speaker's own
// position shows forwardPulse[t + 200] at time t, and a point at distance d
// shows what the speaker emitted d ticks earlier, forwardPulse[t + 200 - d],
// or 0 while that sound has not arrived yet. What leaves a rear face is
// multiplied by rearSign, everything the second speaker emits by
// speaker2Phase. The displacement of the medium is the sum of both.
namespace ondel {

class SpeakerWave : public PulseWave {
public:
    SpeakerWave(const PulseTable &forwardPulse, const SpeakerSettings &speakers)
        : forwardPulse_(forwardPulse), speakers_(speakers)
    {
    }

    float first(int t, int x) const override { return Speaker1Wave(t, x); }
    float second(int t, int x) const override { return Speaker2Wave(t, x); }

    // The first speaker at data position 60: front side x >= 60.
    float Speaker1Wave(int t, int x) const;
    // The second speaker at speaker2Position: front side x < speaker2Position.
    float Speaker2Wave(int t, int x) const;

    // The displacement, but at the second speaker's own position the one of
    // its front face, as the first speaker's position already shows its
    // front: the medium between the speakers ends alike at both.
    float facingDisplacement(int t, int x) const;

private:
    // The sample at `index` (t + 200 minus a distance, a whole number unless
    // the second speaker stands between data positions), or 0 when the sound
    // has not arrived yet.
    float arrived(double index) const;

    const PulseTable &forwardPulse_;
    const SpeakerSettings &speakers_;
};

} // namespace ondel
