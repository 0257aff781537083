// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What every window of the family remembers between ticks: where the
// animation stands in time, whether and which way it runs, which rows are
// drawn, how the y-x curves show, and the y-t trace. Actions change it, the
// timer reads it and draws.
namespace ondel {

// How the y-x curves show. The pulse programs cycle through the first four,
// the standing-wave programs through Off, Dense and Sparse.
enum class CurveMode {
    Off,
    ComponentsAndSum, // both components (blue, red) and their sum (black)
    SumOnly,
    ComponentsOnly,
    Dense,            // a dot at every data position
    Sparse,           // every 20th data position while running forward
};

struct WindowState {
    // Time in ticks. A bounded clock keeps it within 0..timeLimit; the
    // standing-wave programs let it run without bound, hence 64 bits.
    std::int64_t timeIndex = 0;
    int runStep = 1;       // added to timeIndex each tick: -1, 0 (stopped) or +1
    int direction = 1;     // direction of travel, remembered while stopped
    bool transverseShown = false;
    bool longitudinalShown = false;
    bool longitudinalSeparate = true; // own axis below, or on the transverse axis
    CurveMode yxMode = CurveMode::ComponentsAndSum;
    int ytColumn = 0;      // 0: trace off, else the column of the next point
    double ytPrevY1 = 0;   // window y of the traced particle, last trace point
    double ytPrevY2 = 0;   // one point earlier
    double ytPrevY3 = 0;   // two points earlier (depth 3 only)
    bool stepPending = false; // a single step still owes its trace point
    int tracedParticle = 6;
    bool pictureVisible = false; // Picture1 shown
    int timerInterval = 10;      // ms between ticks, the speed bar's value

    friend bool operator==(const WindowState &, const WindowState &) = default;
};

} // namespace ondel
