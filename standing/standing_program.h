// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "standing_wave.h"

#include "shell/window/description.h"

// The standing-wave family: a sine wave on 15 particles, travelling or, on
// "定常波", standing. The engine is the same for every program; each is one
// set of these rules.
namespace ondel {

// The window's width and where Picture1 and the axes reach, in twips; every
// window is 6360 high.
struct SineWindow {
    int clientWidth = 11880;
    int pictureLeft = 240;
    int pictureWidth = 11895;
    int axisEnd = 12000; // right end x of the two axis lines
};

// The timer and the y-t trace that suits it.
struct SineTimer {
    int interval = 100;    // ms between ticks when the window opens
    int ytColumnWidth = 0; // twips between y-t trace points
    int ytColumnCount = 0; // trace columns before it starts again at the left
    int ytHistoryDepth = 2; // earlier trace points redrawn per update: 2 or 3
};

inline constexpr SineWindow narrowSineWindow{11880, 240, 11895, 12000};
inline constexpr SineWindow wideSineWindow{15240, 120, 11775, 15500};
// Slow timer, coarse trace; fast timer, fine trace.
inline constexpr SineTimer slowSineTimer{100, 250, 48, 2};
inline constexpr SineTimer fastSineTimer{20, 125, 96, 3};

struct StandingRules {
    int timeDivisor = 20; // divides the time argument of the wave
    ParticlePhase particlePhase = ParticlePhase::DataPosition;
    SineWindow window;
    SineTimer timer;
};

ProgramDescription standingProgram(ProgramIdentity identity, const StandingRules &rules);

} // namespace ondel
