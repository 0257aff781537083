// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/tone_period.h"

#include <cmath>
#include <vector>

namespace ondel {

namespace {

// How unlike the stretch is to itself shifted: 0 the same, 1 unrelated,
// 2 the same turned over. A shift has turned the tone away from itself
// beyond `turnedAway`, and matches it again below `matching`.
constexpr double turnedAway = 1.0;
constexpr double matching = 0.2;

// The sounding stretch, from the first to the last sample off 0, less its mean.
std::vector<double> soundingStretch(const PulseTable &samples)
{
    int first = 0;
    int last = -1;
    for (int k = 0; k <= PulseTable::lastIndex; ++k) {
        if (samples.at(k) != 0.0f) {
            if (last < 0)
                first = k;
            last = k;
        }
    }
    std::vector<double> stretch;
    double sum = 0;
    for (int k = first; k <= last; ++k) {
        stretch.push_back(samples.at(k));
        sum += samples.at(k);
    }
    for (double &v : stretch)
        v -= sum / static_cast<double>(stretch.size());
    return stretch;
}

// The mean squared difference of the stretch and its shift by `lag`,
// against their mean power.
double unlikeness(const std::vector<double> &v, std::size_t lag)
{
    double difference = 0;
    double power = 0;
    for (std::size_t k = 0; k + lag < v.size(); ++k) {
        const double d = v[k + lag] - v[k];
        difference += d * d;
        power += v[k] * v[k] + v[k + lag] * v[k + lag];
    }
    return power > 0 ? difference / power : 0;
}

} // namespace

int tonePeriod(const PulseTable &samples)
{
    const std::vector<double> stretch = soundingStretch(samples);
    bool away = false;
    // A tone repeats at least twice within the stretch.
    for (std::size_t lag = 1; 2 * lag <= stretch.size(); ++lag) {
        const double u = unlikeness(stretch, lag);
        away = away || u > turnedAway;
        if (!away || u >= matching)
            continue;
        // The best match is where the unlikeness stops falling.
        double best = u;
        while (2 * (lag + 1) <= stretch.size()) {
            const double next = unlikeness(stretch, lag + 1);
            if (next >= best)
                break;
            best = next;
            ++lag;
        }
        return static_cast<int>(lag);
    }
    return 0;
}

} // namespace ondel
