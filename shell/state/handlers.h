// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/clock.h"
#include "shell/state/state.h"

// The common actions. They change the window state and nothing else; the
// next tick shows the change.
namespace ondel {

void toggleTransverse(WindowState &state);
void toggleLongitudinal(WindowState &state);
// Stops a running animation; when stopped, one step in the remembered
// direction (owing the y-t picture a point while it shows).
void stopOrStep(WindowState &state, const Clock &clock);
// Runs in the remembered direction; a clock whose resume also stops stops
// a running animation instead.
void resume(WindowState &state, const Clock &clock);
// Turns the direction of travel round, running or not.
void reverse(WindowState &state);
void nextCurveMode(WindowState &state, const Clock &clock);
void showRowsSeparate(WindowState &state);
void showRowsOverlaid(WindowState &state);
void traceParticle(WindowState &state, int particle);
void setSpeed(WindowState &state, int milliseconds);

} // namespace ondel
