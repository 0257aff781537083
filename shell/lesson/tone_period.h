// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pulse/pulse_table.h"

// How long the tone in a loaded column takes to repeat, so that the
// envelope of the motion it drives is taken over exactly one period.
namespace ondel {

// The period, in samples (one sample a tick), of the tone that sounds in
// `samples`: the shortest shift at which the sounding stretch, once it has
// turned away from itself, matches itself again. 0 where nothing repeats at
// least twice (silence, a single pulse).
int tonePeriod(const PulseTable &samples);

} // namespace ondel
