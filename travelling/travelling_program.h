// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "travelling_wave.h"

#include "shell/window/description.h"

// The travelling-pulse family: two loaded pulses on 15 particles, the second
// running against the first or with it.
namespace ondel {

struct TravellingRules {
    std::string defaultFile;
    SecondPulseDirection secondDirection = SecondPulseDirection::Backward;
};

ProgramDescription travellingProgram(ProgramIdentity identity, const TravellingRules &rules);

} // namespace ondel
