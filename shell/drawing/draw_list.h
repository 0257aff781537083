// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A frame as data: the drawing primitives of one surface (the window or the
// y-t picture) in the order they are drawn, in twips from the surface's
// top-left corner. The window layer replays the list; tests read it.
namespace ondel {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

namespace colour {
inline constexpr Rgb black = 0x000000;
inline constexpr Rgb red = 0xFF0000;
inline constexpr Rgb green = 0x00FF00;
inline constexpr Rgb blue = 0x0000FF;
inline constexpr Rgb magenta = 0xFF00FF;
inline constexpr Rgb cyan = 0x00FFFF;
inline constexpr Rgb yellow = 0xFFFF00;
// The window's and the picture area's background (the button-face grey).
inline constexpr Rgb background = 0xF0F0F0;
} // namespace colour

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

// Erase the whole surface to the background colour.
struct ClearOp {
    friend bool operator==(const ClearOp &, const ClearOp &) = default;
};

// Width in pixels of the lines and circle rims that follow.
struct LineWidthOp {
    int pixels = 1;
    friend bool operator==(const LineWidthOp &, const LineWidthOp &) = default;
};

struct LineOp {
    Point from;
    Point to;
    Rgb colour = colour::black;
    friend bool operator==(const LineOp &, const LineOp &) = default;
};

// A circle filled solid with `fill`, outlined in `rim` at the current width.
struct CircleOp {
    Point centre;
    double radius = 0;
    Rgb fill = colour::black;
    Rgb rim = colour::black;
    friend bool operator==(const CircleOp &, const CircleOp &) = default;
};

// Text in the surface's font with its top-left corner at `at`.
struct TextOp {
    Point at;
    std::string text;
    friend bool operator==(const TextOp &, const TextOp &) = default;
};

using Primitive = std::variant<ClearOp, LineWidthOp, LineOp, CircleOp, TextOp>;

class DrawList {
public:
    void clear() { ops_.emplace_back(ClearOp{}); }
    void lineWidth(int pixels) { ops_.emplace_back(LineWidthOp{pixels}); }
    void line(Point from, Point to, Rgb colour = colour::black) { ops_.emplace_back(LineOp{from, to, colour}); }
    void circle(Point centre, double radius, Rgb fill, Rgb rim) { ops_.emplace_back(CircleOp{centre, radius, fill, rim}); }
    void text(Point at, std::string text) { ops_.emplace_back(TextOp{at, std::move(text)}); }

    const std::vector<Primitive> &ops() const { return ops_; }
    bool empty() const { return ops_.empty(); }
    std::size_t size() const { return ops_.size(); }
    void reset() { ops_.clear(); }
    // Drops every primitive after the first `size`.
    void truncate(std::size_t size)
    {
        if (size < ops_.size())
            ops_.erase(ops_.begin() + static_cast<std::ptrdiff_t>(size), ops_.end());
    }
    // Hands the primitives over and leaves this list empty.
    std::vector<Primitive> take() { return std::exchange(ops_, {}); }

private:
    std::vector<Primitive> ops_;
};

} // namespace ondel
