// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// Where the second loudspeaker stands and how both are driven. The first
// speaker is fixed at data position 60 (particle 3) facing +x; the second
// stands speaker2Position data positions from the left end, facing -x.
namespace ondel {

struct SpeakerSettings {
    double speaker2Position = 200; // data position of the second speaker
    // The particle number at the second speaker; fractional when it stands
    // between particles, and then no particle is drawn as the speaker.
    float speaker2Particle = 10;
    int speaker2Phase = 1;         // +1 in phase, -1 anti-phase ("同相逆相")
    std::int16_t rearSign = 1;     // factor on what both rear faces emit
};

inline constexpr int speaker1Position = 60;

// Takes the typed separation over: the second speaker stands that many data
// positions to the right of the first. Any text is accepted; one without a
// leading number counts as 0.
void applySeparation(SpeakerSettings &speakers, std::string_view separation);

// 同相逆相: the second speaker in phase / in anti-phase.
void togglePhase(SpeakerSettings &speakers);
// スピーカ向き: what the rear faces emit is inverted, and with it the second
// speaker's phase, so that its front keeps its sound.
void flipRearFaces(SpeakerSettings &speakers);

} // namespace ondel
