// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <cstdint>
#include <string>

// 計測: a ruler laid along the medium, a horizontal reference line and a
// stopwatch, drawn over the frame so that every picture of it (both
// painters, a saved PNG, a recorded session) shows them with their
// readings. The class measures a distance in particle spacings with the
// ruler and a time in ticks (コマ) with the stopwatch, and the stopwatch
// says what one tick means in the program. Places in window twips.
namespace ondel {

// The stopwatch counts the clock's ticks, not the wall clock's seconds, so
// that it reads the same at any speed: every tick that moves time counts
// one, forward or backward, and so does a single step.
struct Stopwatch {
    bool running = false;
    std::int64_t ticks = 0;
    friend bool operator==(const Stopwatch &, const Stopwatch &) = default;
};

struct MeasureState {
    bool shown = false;
    Point rulerStart;        // the ruler's 0 mark, on its line
    double markerOffset = 0; // from the 0 mark to the second marker, along the ruler
    double referenceY = 0;   // the reference line
    Point stopwatchAt;       // the stopwatch's top-left corner
    Stopwatch stopwatch;
    friend bool operator==(const MeasureState &, const MeasureState &) = default;
};

namespace measure {

// Twips between two particles, and the marker's step: a tenth of that, the
// reading's last digit.
inline constexpr double spacing = 1000;
inline constexpr double markerStep = 100;
// The ruler keeps this far inside the window's right edge.
inline constexpr double rightMargin = 100;
// The stopwatch: two lines of text, the first with its two buttons.
inline constexpr double stopwatchWidth = 5000;
inline constexpr double stopwatchLine = 420;
inline constexpr double stopwatchPadding = 60;
inline constexpr double stopwatchHeight = 2 * stopwatchLine + 2 * stopwatchPadding;
struct Box {
    double left;
    double top;
    double right;
    double bottom;
    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    // The box of a tool whose corner stands at `corner`.
    Box from(Point corner) const { return {left + corner.x, top + corner.y, right + corner.x, bottom + corner.y}; }
};
// The buttons, relative to the stopwatch's corner.
inline constexpr Box startStopButton{2000, stopwatchPadding, 3000, stopwatchPadding + stopwatchLine};
inline constexpr Box resetButton{3150, stopwatchPadding, 4850, stopwatchPadding + stopwatchLine};
inline constexpr const char *startCaption = "開始";
inline constexpr const char *stopCaption = "停止";
inline constexpr const char *resetCaption = "リセット";

// "3.5": a distance along the ruler in particle spacings, to one decimal.
std::string spacingsText(double twips);
// "12コマ"
std::string ticksText(std::int64_t ticks);
// What one tick means: "1コマ: 波が粒子の間隔の1/20進む".
std::string tickMeaning(int ticksPerSpacing);

} // namespace measure

// The tools of 計測 in one window of `width` by `height` twips, with the
// rows' transverse axis at `axisY` and the controls' lowest edge at
// `controlsBottom` (where the stopwatch starts, out of their way).
class Measure {
public:
    struct Window {
        double width;
        double height;
        double axisY;
        double controlsBottom;
    };

    explicit Measure(Window window);

    const MeasureState &state() const { return state_; }
    void toggleShown() { state_.shown = !state_.shown; }

    // The stopwatch's two controls, and one tick of the clock that moved time.
    void startOrStop() { state_.stopwatch.running = !state_.stopwatch.running; }
    void reset() { state_.stopwatch = {}; }
    void countTick();

    // Whole spacings on the ruler from its 0 mark to the window's edge.
    int rulerSpacings() const;

    // The ruler's 0 mark moved to `at`: onto the nearest particle's place
    // unless `free`, and kept where the ruler has at least one spacing.
    void moveRuler(Point at, bool free);
    // The second marker at window x, on the nearest tenth of a spacing,
    // within the ruler.
    void moveMarker(double x);
    void moveReferenceLine(double y);
    void moveStopwatch(Point corner);

    const Window &window() const { return window_; }

private:
    Window window_;
    MeasureState state_;
};

} // namespace ondel
