// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/geometry.h"
#include "shell/pulse/pulse_table.h"
#include "shell/drawing/pulse_wave.h"

// Two pulses on one row. The sample at index k of the first column stands at
// data position x = t + 320 - k: it enters from the left at t = k - 320 and
// moves right one data position (50 twips) per tick. The second column
// either runs the other way (x = k - t, entering from the right) or, for the
// same-way demonstration, exactly like the first.
namespace ondel {

enum class SecondPulseDirection { Backward, Forward };

class TravellingWave : public PulseWave {
public:
    TravellingWave(const PulseTable &forwardPulse, const PulseTable &backwardPulse, SecondPulseDirection direction)
        : forwardPulse_(forwardPulse), backwardPulse_(backwardPulse), direction_(direction)
    {
    }

    float first(int t, int x) const override { return ForwardWave(t, x); }
    float second(int t, int x) const override
    {
        return direction_ == SecondPulseDirection::Backward ? BackwardWave(t, x) : SecondForwardWave(t, x);
    }

    SecondPulseDirection direction() const { return direction_; }

    float ForwardWave(int t, int x) const { return forwardPulse_.at(std::int64_t{t} + geometry::entryLead - x); }
    float BackwardWave(int t, int x) const { return backwardPulse_.at(std::int64_t{t} + x); }
    float SecondForwardWave(int t, int x) const { return backwardPulse_.at(std::int64_t{t} + geometry::entryLead - x); }

private:
    const PulseTable &forwardPulse_;
    const PulseTable &backwardPulse_;
    SecondPulseDirection direction_;
};

} // namespace ondel
