#include "speaker_wave.h"

#include "shell/numeric.h"

#include <algorithm>

namespace ondel {

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
    if (x < speaker1Position)
        return forwardPulse_.at(time + 140 + x) * speakers_.rearSign;
    return arrived(static_cast<double>(time + 260 - x));
}

float SpeakerWave::Speaker2Wave(int t, int x) const
{
    const double position = speakers_.speaker2Position;
    const float phase = static_cast<float>(speakers_.speaker2Phase);
    if (x < position)
        return arrived(t + x + 200 - position) * phase;
    return arrived(t + 200 + position - x) * phase * speakers_.rearSign;
}

} // namespace ondel
