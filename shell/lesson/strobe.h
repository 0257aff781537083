// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/state/lesson_tools.h"
#include "shell/drawing/particle_rows.h"
#include "shell/state/state.h"

#include <cstdint>
#include <vector>

namespace ondel {

// The strobe ("ストロボ"): the particles of the rows shown as they stood at
// the N moments the picture has just come from, s ticks apart (t - s,
// t - 2s, ..., t - N s while time runs forward, t + s, ... t + N s while it
// runs backward), drawn under the current frame, the older the paler, like a
// textbook's figure of successive times. Computed from time alone, so a
// stopped or single-stepped picture shows them too; a clock that starts at 0
// and restarts after its limit has no exposures outside them. Times in
// ticks, places in window twips.
class Strobe {
public:
    struct Exposure {
        std::int64_t time;
        double paleness; // 0: the particle's own colours, 1: the background
    };

    Strobe(const LessonTools &tools, std::int64_t earliestTime, std::int64_t latestTime);

    // Oldest first, as they are drawn; `direction` +1 while time runs
    // forward, -1 while it runs backward (remembered while stopped).
    std::vector<Exposure> exposures(std::int64_t now, int direction) const;

    // The exposures of particles 1..count of the rows shown.
    void draw(const WindowState &state, const RowAxes &axes, int count, const ParticleAt &particleAt,
              DrawList &window) const;

private:
    int count_;
    int spacing_;
    std::int64_t earliestTime_;
    std::int64_t latestTime_;
};

// `colour` mixed with the background: paleness 0 keeps it, 1 is the background.
Rgb paler(Rgb colour, double paleness);

} // namespace ondel
