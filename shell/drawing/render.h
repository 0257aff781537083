// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/state/lesson_tools.h"
#include "shell/drawing/particle_rows.h"
#include "shell/drawing/pulse_wave.h"
#include "shell/state/state.h"
#include "shell/drawing/yt_trace.h"

#include <optional>

// The frame of the pulse programs, piece by piece: the particles (displaced
// 1000 twips per unit across the transverse axis at y 3000 and 250 twips per
// unit along the longitudinal one at y 5000), and the y-x curves (one dot
// per data position).
namespace ondel::pulse_frame {

inline constexpr RowAxes rowAxes{3000, 5000, 15500, 250};

// A pulse moves one data position a tick: 40 ticks between exposures show
// it two particles on each time, clear of the one before.
inline constexpr LessonDefaults lessonDefaults{.strobeCount = 4, .strobeSpacing = 40, .marksNodes = false};

// Window y of a displacement in the transverse row, in single precision.
inline float transverseY(float displacement) { return 3000.0f - 1000.0f * displacement; }

// Particle 1 green, particle 6 magenta (the two the trace can follow).
ParticleColours transverseColours(int particle);
ParticleColours longitudinalColours(int particle);

// Window y of the traced particle in the transverse row at `time`, for
// seeding the y-t trace.
double tracedTransverseY(const WindowState &state, const PulseWave &wave, std::int64_t time);

// Particle i of both rows at `time`.
RowParticle particleAt(const PulseWave &wave, std::int64_t time, int particle);

// Where the medium ends for the y-x curves: beyond `position` the reflected
// and sum curves shrink to small dots on the axis.
struct CurveEnd {
    int position = 180;
    bool reflecting = true;       // false: nothing comes back, the sum runs on
    Rgb smallReflectedRim = colour::red;
};

// The blue first component (25 twips up), the red second (25 twips down,
// held as a 16-bit value) and their black sum, as yxMode asks.
void drawYxCurves(const WindowState &state, const PulseWave &wave, DrawList &window,
                  const std::optional<CurveEnd> &end = std::nullopt);

} // namespace ondel::pulse_frame
