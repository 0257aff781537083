// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers the pictures of every program are built on, each in its unit:
// twips (the unit of the layout tables and of every frame), data positions
// (the wave's own x, 50 twips apart) and records of a pulse column. A number
// that merely equals one of these but means something else keeps its own
// name where it is used.
namespace ondel::geometry {

// Twips in one screen pixel.
inline constexpr int twipsPerPixel = 15;

// The row: data positions between two neighbouring particles, and the
// particles of a whole row (the reflection programs' row stops at its end).
inline constexpr int dataPositionsPerParticle = 20;
inline constexpr int fullRowParticles = 15;
// Data positions 1..curvePositions carry a dot of the y-x curves.
inline constexpr int curvePositions = 300;
// The particles the y-t trace can follow: "緑" marks particle 1, "赤" particle 6.
inline constexpr int greenParticle = 1;
inline constexpr int redParticle = 6;

// Window x, in twips, of data position 0 (particle 0's rest place, where the
// axes start), of particle i and of data position j.
inline constexpr int rowLeft = 200;
inline double particleX(double particle) { return rowLeft + 1000.0 * particle; }
inline double dataX(double position) { return rowLeft + 50.0 * position; }

// Radii in twips: a particle, and a dot of the y-x curves.
inline constexpr int particleRadius = 300;
inline constexpr int dotRadius = 40;

// The annotations' labels: one full-width character of the label font, its
// box with room for the line's leading, and the gap they keep from a row
// and from each other. Labels keep outside the displacement the waves are
// made for, a displacement of 1 (nominalReach), in twips.
inline constexpr int labelWidth = 280;
inline constexpr int labelHeight = 300;
inline constexpr int labelGap = 30;
inline constexpr int nominalReach = 1000;

// A pulse sample stored at index k stands at data position
// x = t + entryLead - k at tick t, so it reaches the row's left end
// entryLead - k ticks after time 0. In data positions.
inline constexpr int entryLead = 320;
// Records a pulse column holds (indices 1..pulseRecords; 0 stays 0).
inline constexpr int pulseRecords = 3200;

// The y-t picture, in twips of the picture: its time axis at y 1400. The
// axis first drawn when the trace is switched on stops at 11500; each trace
// point redraws it to 12000.
inline constexpr int timeAxisY = 1400;
inline constexpr int timeAxisEndWhenSwitchedOn = 11500;
inline constexpr int timeAxisEnd = 12000;

} // namespace ondel::geometry
