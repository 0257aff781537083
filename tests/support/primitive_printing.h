// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <iomanip>
#include <ostream>

// Readable drawing primitives in test failures ("circle (1200,3000) r300
// fill #00FF00 rim #00FF00") instead of raw bytes.
namespace ondel {

inline void printColour(Rgb rgb, std::ostream *os)
{
    *os << '#' << std::hex << std::uppercase << std::setw(6) << std::setfill('0') << rgb << std::dec;
}

inline void PrintTo(const Point &p, std::ostream *os) { *os << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const ClearOp &, std::ostream *os) { *os << "clear"; }
inline void PrintTo(const LineWidthOp &op, std::ostream *os) { *os << "lineWidth " << op.pixels; }

inline void PrintTo(const LineOp &op, std::ostream *os)
{
    *os << "line ";
    PrintTo(op.from, os);
    *os << '-';
    PrintTo(op.to, os);
    *os << ' ';
    printColour(op.colour, os);
}

inline void PrintTo(const CircleOp &op, std::ostream *os)
{
    *os << "circle ";
    PrintTo(op.centre, os);
    *os << " r" << op.radius << " fill ";
    printColour(op.fill, os);
    *os << " rim ";
    printColour(op.rim, os);
}

inline void PrintTo(const TextOp &op, std::ostream *os)
{
    *os << "text \"" << op.text << "\" at ";
    PrintTo(op.at, os);
}

} // namespace ondel
