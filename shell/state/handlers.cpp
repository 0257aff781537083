// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/handlers.h"

#include <algorithm>

namespace ondel {

void toggleTransverse(WindowState &state) { state.transverseShown = !state.transverseShown; }

void toggleLongitudinal(WindowState &state) { state.longitudinalShown = !state.longitudinalShown; }

void stopOrStep(WindowState &state, const Clock &clock)
{
    if (state.runStep != 0) {
        state.runStep = 0;
        return;
    }
    advanceTime(state, clock, state.direction);
    if (state.pictureVisible)
        state.stepPending = true;
}

void resume(WindowState &state, const Clock &clock)
{
    if (clock.resumeAlsoStops && state.runStep != 0)
        state.runStep = 0;
    else
        state.runStep = state.direction == -1 ? -1 : 1;
}

void reverse(WindowState &state)
{
    if (state.runStep == 1) {
        state.runStep = -1;
        state.direction = -1;
    } else if (state.runStep == -1) {
        state.runStep = 1;
        state.direction = 1;
    } else {
        state.direction = -state.direction;
    }
}

void nextCurveMode(WindowState &state, const Clock &clock)
{
    const auto &modes = clock.curveModes;
    const auto current = std::find(modes.begin(), modes.end(), state.yxMode);
    if (current == modes.end() || current + 1 == modes.end())
        state.yxMode = modes.empty() ? CurveMode::Off : modes.front();
    else
        state.yxMode = *(current + 1);
}

void showRowsSeparate(WindowState &state) { state.longitudinalSeparate = true; }
void showRowsOverlaid(WindowState &state) { state.longitudinalSeparate = false; }
void traceParticle(WindowState &state, int particle) { state.tracedParticle = particle; }
void setSpeed(WindowState &state, int milliseconds) { state.timerInterval = milliseconds; }

} // namespace ondel
