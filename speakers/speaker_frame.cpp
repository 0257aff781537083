// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker_frame.h"

#include "shell/state/geometry.h"
#include "shell/state/numeric.h"
#include "shell/drawing/render.h"

#include <cmath>

namespace ondel::speaker_frame {

namespace {

constexpr int speaker1Particle = speaker1Position / geometry::dataPositionsPerParticle;

// Which speaker, if any, particle i stands at. The second speaker wins when
// both stand at one particle.
enum class SpeakerAt { None, First, Second };

SpeakerAt speakerAt(int particle, const SpeakerSettings &speakers)
{
    if (static_cast<float>(particle) == speakers.speaker2Particle)
        return SpeakerAt::Second;
    if (particle == speaker1Particle)
        return SpeakerAt::First;
    return SpeakerAt::None;
}

Rgb speakerColour(SpeakerAt speaker) { return speaker == SpeakerAt::Second ? colour::magenta : colour::green; }

bool speakerNeighbour(int particle, const SpeakerSettings &speakers)
{
    const float i = static_cast<float>(particle);
    return particle == speaker1Particle - 1 || particle == speaker1Particle + 1 ||
           i == speakers.speaker2Particle - 1.0f || i == speakers.speaker2Particle + 1.0f;
}

// Window x of the point halfway between the speakers, data position
// (60 + speaker2Position) / 2.
double midpointX(double speaker2Position) { return 25.0 * speaker2Position + 1700.0; }

} // namespace

void drawMidpointMarkers(double speaker2Position, DrawList &window)
{
    const double x = midpointX(speaker2Position);
    if (!(std::abs(x) <= farthestVisibleX))
        return;
    window.line({x, 2800}, {x, 3200});
    window.line({x, 4800}, {x, 5200});
}

RowParticle particleAt(const SpeakerWave &wave, const SpeakerSettings &speakers, std::int64_t time, int i)
{
    const int t = static_cast<int>(time);
    const double x = geometry::particleX(i);
    const float s = wave.displacement(t, geometry::dataPositionsPerParticle * i);
    const float y = pulse_frame::transverseY(s);
    const float xL = single(x + 250.0f * s);
    const SpeakerAt speaker = speakerAt(i, speakers);
    if (speaker == SpeakerAt::None) {
        const bool marked = speakers.rearSign == -1 && speakerNeighbour(i, speakers);
        const ParticleColours longitudinal{colour::cyan, marked ? colour::yellow : colour::black};
        return RowParticle{.transverse = {x, y},
                           .transverseColours = {colour::black, colour::black},
                           .longitudinalX = xL,
                           .longitudinalColours = longitudinal};
    }
    const Rgb c = speakerColour(speaker);
    const auto longitudinal = speakers.rearSign == 1 ? std::optional(ParticleColours{c, c}) : std::nullopt;
    const float rearY = pulse_frame::transverseY(wave.displacement(t, geometry::dataPositionsPerParticle * i - 1));
    return RowParticle{.transverse = {x, y},
                       .transverseColours = {c, c},
                       .secondTransverseY = rearY,
                       .longitudinalX = xL,
                       .longitudinalColours = longitudinal,
                       .traceable = false};
}

} // namespace ondel::speaker_frame
