// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/clock.h"
#include "shell/drawing/draw_list.h"
#include "shell/state/state.h"
#include "shell/drawing/yt_trace.h"

#include <functional>
#include <optional>

// The two rows of particles every program shows: the transverse row on one
// axis, the longitudinal row on a second axis below it or on the first. A
// family says where each particle stands and how it looks; the rows draw
// the ones shown and feed the y-t trace.
namespace ondel {

struct ParticleColours {
    Rgb fill;
    Rgb rim;
};

// Window y of a family's two axes and the right end x of both, in twips,
// and how far along its row a longitudinal particle is shifted by a
// displacement of 1 (the transverse row lifts it 1000 twips).
struct RowAxes {
    double transverseY;
    double longitudinalY; // while the longitudinal row has an axis of its own
    double end;
    double longitudinalShift;
};

// One particle of both rows, window twips.
struct RowParticle {
    Point transverse;
    ParticleColours transverseColours;
    // A second transverse circle above the same x, in the same colours (a
    // loudspeaker shows the medium on both its faces).
    std::optional<double> secondTransverseY;
    double longitudinalX = 0;
    // None: the particle is left out of the longitudinal row.
    std::optional<ParticleColours> longitudinalColours;
    bool traceable = true; // may feed the y-t trace
};

using ParticleOf = std::function<RowParticle(int particle)>;
// Particle i at any time, computed from time alone and without side
// effects, so that earlier times can be drawn and measured.
using ParticleAt = std::function<RowParticle(std::int64_t time, int particle)>;

// Window y of the longitudinal row: its own axis, or the transverse one.
double longitudinalRowY(const WindowState &state, const RowAxes &axes);

// How every frame starts: clear, time moves on by runStep (wrapping as the
// program's clock does), line width 4, the two axes and the upright through
// particle 1, black.
void beginFrame(WindowState &state, const Clock &clock, const RowAxes &axes, DrawList &window);

// The circles of one particle in the rows shown, transverse then
// longitudinal, in the particle's colours.
void drawParticleCircles(const WindowState &state, const RowAxes &axes, const RowParticle &particle, DrawList &window);

// Particles 1..count of the rows shown, each transverse then longitudinal,
// and the trace point when the traced particle is drawn.
void drawRows(WindowState &state, const TraceConfig &trace, const RowAxes &axes, int count,
              const ParticleOf &particleOf, DrawList &window, DrawList &picture);

} // namespace ondel
