// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/state.h"

#include <cstdint>
#include <optional>
#include <vector>

// How a program's time and y-x curves behave under the common controls.
namespace ondel {

struct Clock {
    // Time wraps at 0 and at this limit, both ways; none: it runs freely
    // (below 0 too).
    std::optional<std::int64_t> timeLimit;
    // Whether "resume" also stops a running animation (再開／停止) or keeps
    // it running (再開).
    bool resumeAlsoStops = true;
    int timerInterval = 10; // ms between ticks when the window opens
    // The y-x curve modes in the order the curve button steps through them.
    std::vector<CurveMode> curveModes;
};

// The clock of the pulse, reflection and speaker programs: time wraps at
// `timeLimit`, 再開／停止 also stops, 10 ms ticks, four curve modes.
Clock pulseClock(std::int64_t timeLimit);
// The clock of the standing-wave programs: time runs freely, 再開 keeps
// running, three curve modes.
Clock sineClock(int timerInterval);

// Adds `steps` to timeIndex, wrapping as the clock asks.
void advanceTime(WindowState &state, const Clock &clock, int steps);

} // namespace ondel
