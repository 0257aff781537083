// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider_samples.h"

#include "shell/state/geometry.h"

#include <algorithm>

namespace ondel {

namespace {

bool inRange(std::int64_t index) { return index >= 0 && index <= SliderSamples::lastIndex; }

} // namespace

std::uint8_t SliderSamples::sample(std::int64_t index) const
{
    if (!inRange(index)) {
        ++outOfRangeAccesses_;
        return rest;
    }
    return samples_[static_cast<std::size_t>(index)];
}

float SliderSamples::at(std::int64_t index) const
{
    const float s = sample(index);
    return static_cast<float>((128.0 - s) / 128.0 * 1.4);
}

void SliderSamples::record(std::int64_t t, int value)
{
    const std::int64_t index = t + geometry::entryLead;
    const int below = sample(index - 1);
    const int limited = std::clamp(std::clamp(value, 0, 255), below - maxStep, below + maxStep);
    if (!inRange(index)) {
        ++outOfRangeAccesses_;
        return;
    }
    samples_[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(limited);
}

} // namespace ondel
