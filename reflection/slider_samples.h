// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The slide bar's history: one byte (0..255, 128 = rest) per tick, the sample
// of time t at index t + 320, indices 0..32000. A sample s is the
// displacement (128 - s) / 128 * 1.4 of the left end of the medium: the top
// of the bar (0) +1.4, i.e. 1400 twips up; the bottom (255) -1.3890625.
namespace ondel {

class SliderSamples {
public:
    static constexpr int lastIndex = 32000;
    static constexpr std::uint8_t rest = 128;
    // The most a sample may differ from the one before it, so that even a
    // sudden jerk of the bar makes a front the row can show.
    static constexpr int maxStep = 30;

    SliderSamples() { samples_.fill(rest); }

    // The sample at `index`; an index outside 0..32000 reads as rest. Such
    // reads, and records that would land outside (they are dropped), are
    // counted, so that a long run can prove they never happen.
    std::uint8_t sample(std::int64_t index) const;
    // The displacement the sample at `index` stands for, single precision.
    float at(std::int64_t index) const;

    // Stores the bar's value `value` as the sample of time t, limited to
    // maxStep above or below the sample of time t - 1. Values outside the
    // bar's range 0..255 count as its nearer end.
    void record(std::int64_t t, int value);

    std::int64_t outOfRangeAccesses() const { return outOfRangeAccesses_; }

private:
    std::array<std::uint8_t, lastIndex + 1> samples_{};
    mutable std::int64_t outOfRangeAccesses_ = 0;
};

} // namespace ondel
