// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wave model of a pulse program: the displacement of the medium at data
// position x and time t (ticks) is the sum of two components, each a
// single-precision value in units of 1000 twips. The y-x curves draw the
// first in blue and the second in red.
namespace ondel {

class PulseWave {
public:
    virtual ~PulseWave() = default;
    virtual float first(int t, int x) const = 0;
    virtual float second(int t, int x) const = 0;
    float displacement(int t, int x) const { return first(t, x) + second(t, x); }
};

} // namespace ondel
