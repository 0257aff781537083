// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/lesson/measure.h"

// A mouse or a finger on the tools of 計測, the same in both editions: the
// front-end hands over where it went down, moved and came up, in window
// twips at 100%, and whether it is free of the ruler's snapping (a
// modifier key, or a long press on a touch screen). A press on a
// stopwatch's button works it at once, as a stopwatch's does; a press on
// the ruler (its line or its 0 mark), the marker, the reference line or the
// stopwatch drags it until the pointer comes up.
namespace ondel {

class MeasurePointer {
public:
    enum class Grip { None, Ruler, Marker, ReferenceLine, Stopwatch };

    // Whether the tools took the press (the page then keeps it from
    // scrolling or selecting).
    bool down(Measure &measure, Point at);
    // Whether a tool moved.
    bool move(Measure &measure, Point at, bool free);
    void up() { grip_ = Grip::None; }

    Grip grip() const { return grip_; }

private:
    Grip grip_ = Grip::None;
    Point offset_; // from the grabbed place to the pointer
};

} // namespace ondel
