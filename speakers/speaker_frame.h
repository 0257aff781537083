// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker_controls.h"
#include "speaker_wave.h"

#include "shell/drawing/draw_list.h"
#include "shell/drawing/particle_rows.h"

// The parts of the two-speaker frame that differ from the other pulse
// programs: the marks at the midpoint between the speakers and the particle
// rows with the speakers picked out.
namespace ondel::speaker_frame {

// Beyond this distance from the window's left edge (twips, about 17 m of
// screen) no window can show a mark, so none is drawn; an absurd separation
// thus puts no huge or non-finite coordinate into the frame.
inline constexpr double farthestVisibleX = 1e6;

// Short black uprights through the transverse and the longitudinal axis.
void drawMidpointMarkers(double speaker2Position, DrawList &window);

// Particle i of both rows at `time`. A speaker particle shows, in the transverse row, the
// medium on its two faces (at its data position and one to the -x side):
// the second speaker's magenta, the first's green. In the longitudinal row a
// speaker particle is drawn only while the rear faces are not inverted; when
// they are, its neighbours get yellow rims. Only ordinary particles feed the
// y-t trace.
RowParticle particleAt(const SpeakerWave &wave, const SpeakerSettings &speakers, std::int64_t time, int particle);

} // namespace ondel::speaker_frame
