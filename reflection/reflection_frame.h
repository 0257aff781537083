// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "end_condition.h"

#include "shell/drawing/draw_list.h"
#include "shell/state/geometry.h"
#include "shell/drawing/pulse_wave.h"
#include "shell/state/state.h"

// What the reflection programs draw besides the rows: the line marking the
// end of the medium, and the y-x curves whose reflected and sum parts stop
// at the end.
namespace ondel::reflection_frame {

// Particles 1..9: the end at data position 180 is particle 9's rest place.
inline constexpr int particleCount = endPosition / geometry::dataPositionsPerParticle;

// The end line, a little right of particle 9 and leaning 100 twips to the
// right at its foot: magenta for a free end, black for a fixed one, absent
// for a non-reflecting one.
void drawEndLine(DrawList &window, EndCondition end);

// The y-x curves. Beyond the end the reflected curve shrinks to small dots
// on the axis with a `smallReflectedRim` rim; so does the sum, unless the
// end reflects nothing.
void drawYxCurves(const WindowState &state, const PulseWave &wave, EndCondition end, Rgb smallReflectedRim,
                  DrawList &window);

} // namespace ondel::reflection_frame
