// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/geometry.h"

#include <array>
#include <cstdint>

// One column of the pulse data: single-precision displacements at indices
// 0..lastIndex (index k holds record k; index 0 is never loaded and stays 0).
namespace ondel {

class PulseTable {
public:
    static constexpr int lastIndex = geometry::pulseRecords;

    // The value at `index`; an index outside 0..lastIndex reads as 0 and is
    // counted, so that a long run can prove it never happens.
    float at(std::int64_t index) const
    {
        if (index < 0 || index > lastIndex) {
            ++outOfRangeReads_;
            return 0.0f;
        }
        return values_[static_cast<std::size_t>(index)];
    }
    void set(int index, float value) { values_.at(static_cast<std::size_t>(index)) = value; }
    std::int64_t outOfRangeReads() const { return outOfRangeReads_; }

private:
    std::array<float, lastIndex + 1> values_{};
    mutable std::int64_t outOfRangeReads_ = 0;
};

} // namespace ondel
