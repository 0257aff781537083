// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/state/state.h"

#include <cstdint>
#include <functional>

// The y-t trace: one particle's window y, one point per tick, drawn column by
// column into Picture1. The picture keeps what was drawn, so each new point
// erases the last marker, draws the new one and repairs the segments the
// eraser cut into.
namespace ondel {

struct TraceConfig {
    int columnWidth = 125;  // twips between trace points
    int columnCount = 96;   // the column after this one is column 1
    int historyDepth = 3;   // earlier points kept: 2 or 3
    // The oldest history slot is a 16-bit integer (rounded on store);
    // otherwise it keeps the real value.
    bool oldestRounded = true;
    // Picture y = scale * window y + offset: the row's axis lands on the
    // picture's time axis at y 1400.
    double scale = 0.5;
    double offset = -100;
    Rgb redMarkerFill = colour::magenta; // marker of particle 6
    Rgb redMarkerRim = colour::red;
};

// The trace of the pulse programs: columns of 125 twips, window y 3000 on
// the time axis.
TraceConfig pulseTraceConfig(bool oldestRounded);

// Window y of the traced particle at a given time, as the program's wave
// model has it.
using TracedY = std::function<double(std::int64_t time)>;

// Switches the trace on (column 5, history seeded from the wave, picture
// shown, cleared, axes drawn) or off (picture hidden, trace kept).
void toggleTrace(WindowState &state, const TraceConfig &config, const TracedY &tracedY, DrawList &picture);

// Whether particle `i`, just drawn in the transverse row, adds a trace point.
bool tracePointDue(const WindowState &state, int particle);

// Draws one trace point for window y `y` and moves the trace on a column.
void addTracePoint(WindowState &state, const TraceConfig &config, double y, DrawList &picture);

} // namespace ondel
