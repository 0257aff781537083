// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker_controls.h"

#include "shell/state/geometry.h"
#include "shell/state/numeric.h"

#include <cmath>
#include <limits>

namespace ondel {

void applySeparation(SpeakerSettings &speakers, std::string_view separation)
{
    speakers.speaker2Position = numericValue(separation) + speaker1Position;
    const double particle = speakers.speaker2Position / geometry::dataPositionsPerParticle;
    // Beyond the single-precision range the speaker is infinitely far off,
    // which is what it is for every particle of the row.
    constexpr float infinity = std::numeric_limits<float>::infinity();
    if (std::abs(particle) <= std::numeric_limits<float>::max())
        speakers.speaker2Particle = single(particle);
    else
        speakers.speaker2Particle = particle > 0 ? infinity : -infinity;
}

void togglePhase(SpeakerSettings &speakers) { speakers.speaker2Phase = -speakers.speaker2Phase; }

void flipRearFaces(SpeakerSettings &speakers)
{
    speakers.rearSign = static_cast<std::int16_t>(-speakers.rearSign);
    speakers.speaker2Phase = -speakers.speaker2Phase;
}

} // namespace ondel
