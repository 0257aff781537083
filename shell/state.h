#pragma once

#include <cstdint>

// What every window of the family remembers between ticks: where the
// animation stands in time, whether and which way it runs, which rows are
// drawn, how the y-x curves show, and the y-t trace. Handlers change it,
// the timer reads it and draws.
namespace ondel {

struct WindowState {
    // Time in ticks. Form A programs keep it within 0..timeLimit; the
    // standing-wave programs let it run without bound, hence 64 bits.
    std::int64_t timeIndex = 0;
    int runStep = 1;       // added to timeIndex each tick: -1, 0 (stopped) or +1
    int direction = 1;     // direction of travel, remembered while stopped
    int transverseShown = 0;
    int longitudinalShown = 0;
    int longitudinalSeparate = 1; // 1: own axis below; 0: on the transverse axis
    int yxMode = 1;
    int ytColumn = 0;      // 0: trace off, else the column of the next point
    double ytPrevY1 = 0;   // window y of the traced particle, last trace point
    double ytPrevY2 = 0;   // one point earlier
    double ytPrevY3 = 0;   // two points earlier (depth 3 only)
    int stepPending = 0;   // a single step still owes its trace point
    int tracedParticle = 6;
    bool pictureVisible = false; // Picture1 shown
    int timerInterval = 10;      // Timer1 interval in ms, the value of HScroll1

    friend bool operator==(const WindowState &, const WindowState &) = default;
};

// Whether time wraps (form A, at timeLimit) or runs freely (form B).
enum class HandlerForm { A, B };

} // namespace ondel
