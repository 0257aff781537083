// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/clock.h"

namespace ondel {

Clock pulseClock(std::int64_t timeLimit)
{
    return {timeLimit, true, 10,
            {CurveMode::Off, CurveMode::ComponentsAndSum, CurveMode::SumOnly, CurveMode::ComponentsOnly}};
}

Clock sineClock(int timerInterval)
{
    return {std::nullopt, false, timerInterval, {CurveMode::Off, CurveMode::Dense, CurveMode::Sparse}};
}

void advanceTime(WindowState &state, const Clock &clock, int steps)
{
    state.timeIndex += steps;
    if (!clock.timeLimit)
        return;
    if (state.timeIndex > *clock.timeLimit)
        state.timeIndex = 0;
    if (state.timeIndex < 0)
        state.timeIndex = *clock.timeLimit;
}

} // namespace ondel
