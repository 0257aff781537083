// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "end_condition.h"

#include "shell/state/geometry.h"
#include "shell/state/numeric.h"
#include "shell/drawing/pulse_wave.h"

#include <cstdint>
#include <functional>

// A pulse running right along the row towards the end at data position 180
// and its reflection there. The incident sample stored at index k stands at
// data position x = t + 320 - k (one data position, 50 twips, per tick). The
// reflected wave is the incident wave continued beyond the end and folded
// back onto the medium: at x it is the incident value at the mirror position
// 360 - x times the end's factor (+1 free end, same sign; -1 fixed end,
// inverted; 0 non-reflecting end, nothing comes back). It exists only on the
// medium (x <= 180) and is recomputed every frame, so a new end condition
// applies at once to the whole reflected pulse. Displacements in units of
// 1000 twips.
namespace ondel {

// Where the incident samples come from: a single-precision displacement by
// storage index, bounds-checked by the source.
using IncidentSamples = std::function<float(std::int64_t index)>;

class ReflectionWave : public PulseWave {
public:
    explicit ReflectionWave(IncidentSamples source) : source_(std::move(source)) {}

    float first(int t, int x) const override { return IncidentWave(t, x); }
    float second(int t, int x) const override { return ReflectedWave(t, x); }

    float IncidentWave(int t, int x) const { return source_(std::int64_t{t} + geometry::entryLead - x); }

    float ReflectedWave(int t, int x) const
    {
        if (x > endPosition)
            return 0.0f;
        // Held in 16 bits: the program's times keep it far inside that range.
        const std::int16_t k = toInt16(double(t) + x - 2 * endPosition + geometry::entryLead);
        if (k < 0)
            return 0.0f;
        return reflectionFactor(end_) * source_(k);
    }

    EndCondition endCondition() const { return end_; }
    void setEndCondition(EndCondition end) { end_ = end; }

private:
    IncidentSamples source_;
    EndCondition end_ = EndCondition::Free;
};

} // namespace ondel
