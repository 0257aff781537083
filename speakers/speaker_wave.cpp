// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker_wave.h"

#include "shell/state/numeric.h"

#include <algorithm>

namespace ondel {

namespace {

// What a speaker's own position shows at time t: forwardPulse[t + lead].
constexpr int lead = 200;

} // namespace

float SpeakerWave::arrived(double index) const
{
    if (!(index >= 0))
        return 0.0f;
    // Past the table, the index is clamped to its first outside value before
    // it becomes an integer, so that an absurd separation never converts a
    // huge real; the table then refuses it as out of range.
    const double k = std::min(roundHalfEven(index), PulseTable::lastIndex + 1.0);
    return forwardPulse_.at(static_cast<std::int64_t>(k));
}

float SpeakerWave::Speaker1Wave(int t, int x) const
{
    const std::int64_t time = t;
    if (x < speaker1Position) // rear side, at most 60 positions away: the sound is always there
        return forwardPulse_.at(time + lead - (speaker1Position - x)) * speakers_.rearSign;
    return arrived(static_cast<double>(time + lead - (x - speaker1Position)));
}

float SpeakerWave::facingDisplacement(int t, int x) const
{
    if (x != speakers_.speaker2Position)
        return displacement(t, x);
    const float front = arrived(static_cast<double>(std::int64_t{t} + lead)) * static_cast<float>(speakers_.speaker2Phase);
    return Speaker1Wave(t, x) + front;
}

float SpeakerWave::Speaker2Wave(int t, int x) const
{
    const double position = speakers_.speaker2Position;
    const float phase = static_cast<float>(speakers_.speaker2Phase);
    if (x < position)
        return arrived(t + lead - (position - x)) * phase;
    return arrived(t + lead - (x - position)) * phase * speakers_.rearSign;
}

} // namespace ondel
