// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker_frame.h"

#include "shell/numeric.h"
#include "shell/render.h"

#include <cmath>

namespace ondel::speaker_frame {

namespace {

constexpr int particleCount = 15;
constexpr int speaker1Particle = speaker1Position / 20;

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

void drawParticles(WindowState &state, const TraceConfig &trace, const SpeakerWave &wave,
                   const SpeakerSettings &speakers, DrawList &window, DrawList &picture)
{
    using pulse_frame::particleRadius;
    const int t = static_cast<int>(state.timeIndex);
    const double longitudinalRowY = state.longitudinalSeparate ? 5000.0 : 3000.0;
    for (int i = 1; i <= particleCount; ++i) {
        const double x = pulse_frame::particleX(i);
        const float s = wave.displacement(t, 20 * i);
        const float y = pulse_frame::transverseY(s);
        const float xL = single(x + 250.0f * s);
        const SpeakerAt speaker = speakerAt(i, speakers);

        if (state.transverseShown) {
            if (speaker != SpeakerAt::None) {
                const Rgb c = speakerColour(speaker);
                const float rearY = pulse_frame::transverseY(wave.displacement(t, 20 * i - 1));
                window.circle({x, y}, particleRadius, c, c);
                window.circle({x, rearY}, particleRadius, c, c);
            } else {
                window.circle({x, y}, particleRadius, colour::black, colour::black);
                if (tracePointDue(state, i))
                    addTracePoint(state, trace, y, picture);
            }
        }

        if (state.longitudinalShown) {
            if (speaker != SpeakerAt::None) {
                if (speakers.rearSign == 1) {
                    const Rgb c = speakerColour(speaker);
                    window.circle({xL, longitudinalRowY}, particleRadius, c, c);
                }
            } else {
                const bool marked = speakers.rearSign == -1 && speakerNeighbour(i, speakers);
                window.circle({xL, longitudinalRowY}, particleRadius, colour::cyan,
                              marked ? colour::yellow : colour::black);
            }
        }
    }
}

} // namespace ondel::speaker_frame
