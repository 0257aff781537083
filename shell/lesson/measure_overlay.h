// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/lesson/measure.h"

#include <string>

// How the tools of 計測 look, and where a pointer finds them: both follow
// from the same places, so what the class sees is what a finger grabs.
namespace ondel::measure {

// Window twips: the round handles, how far from a handle or a line a
// pointer still grabs it (a fingertip's width), the ruler's marks.
inline constexpr double handleRadius = 150;
inline constexpr double grabReach = 300;
inline constexpr double markLength = 200;
inline constexpr double halfMarkLength = 100;
inline constexpr double markerReach = 450; // the marker's handle above the ruler's line
inline constexpr Rgb rulerColour = 0x8B4513;
inline constexpr Rgb markerColour = 0xD00000;
inline constexpr Rgb referenceColour = 0xFF8C00;
inline constexpr Rgb stopwatchFace = 0xFFFFFF;
inline constexpr Rgb stopwatchRim = 0x606060;
inline constexpr Rgb buttonFace = 0xE0E0E0;

// Where the second marker's handle stands.
Point markerHandle(const MeasureState &state);

// The tools over the frame, with their readings; nothing while 計測 is off.
void drawMeasure(const Measure &measure, const std::string &tickMeaning, DrawList &window);

} // namespace ondel::measure
