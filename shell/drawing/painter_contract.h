// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/state/geometry.h"

#include <algorithm>

// What every painter of a draw list does alike, the desktop's QPainter and
// the browser's canvas, so that a frame looks the same in both: the scale,
// the background, which circles come from sprites, what is skipped as out
// of sight, the line widths drawn and how a tiny circle shows. The browser
// reads these through its binding and never writes them again.
namespace ondel::painting {

// A draw list as plain numbers (the browser's frames): each primitive is its
// opcode followed by its operands.
enum class Opcode { clear = 0, lineWidth = 1, line = 2, circle = 3, text = 4 };

inline constexpr int twipsPerPixel = geometry::twipsPerPixel;
inline constexpr Rgb background = colour::background;
// Circles up to this radius (twips) are copied from a sprite drawn once per
// kind, as a frame holds hundreds of identical dots; larger ones are drawn
// directly.
inline constexpr int largestSpriteRadius = 1500;
// How far beyond the surface a shape may start and still be drawn, in pixels.
inline constexpr double margin = 64;
// The line widths drawn, in pixels: a wider or narrower one is clamped.
inline constexpr int thinnestLine = 1;
inline constexpr int thickestLine = 64;

inline int drawnLineWidth(int pixels) { return std::clamp(pixels, thinnestLine, thickestLine); }

// A circle smaller than its rim (both in pixels) shows as a dot the rim's
// width across, in the rim's colour: drawn as a ring, it would vanish.
inline bool showsAsDot(double radius, double rimWidth) { return 2 * radius < rimWidth; }

} // namespace ondel::painting
