// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/drawing/frame_text.h"

#include <cmath>
#include <cstdio>

namespace ondel {

namespace {

// Thousandths of a twip as a whole number; what no whole number can hold
// (not finite, or absurdly far off) is written as such.
void appendCoordinate(std::string &out, double twips)
{
    out += ' ';
    if (std::isnan(twips)) {
        out += "nan";
        return;
    }
    const double thousandths = twips * 1000.0;
    if (!(std::fabs(thousandths) < 9e18)) {
        out += twips > 0 ? "far" : "-far";
        return;
    }
    out += std::to_string(std::llround(thousandths));
}

void appendColour(std::string &out, Rgb colour)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, " %06x", static_cast<unsigned>(colour & 0xFFFFFF));
    out += hex;
}

} // namespace

void appendPrimitiveText(std::string &out, char surface, const Primitive &primitive)
{
    out += surface;
    if (std::holds_alternative<ClearOp>(primitive)) {
        out += " clear";
    } else if (const auto *width = std::get_if<LineWidthOp>(&primitive)) {
        out += " width " + std::to_string(width->pixels);
    } else if (const auto *line = std::get_if<LineOp>(&primitive)) {
        out += " l";
        appendCoordinate(out, line->from.x);
        appendCoordinate(out, line->from.y);
        appendCoordinate(out, line->to.x);
        appendCoordinate(out, line->to.y);
        appendColour(out, line->colour);
    } else if (const auto *circle = std::get_if<CircleOp>(&primitive)) {
        out += " c";
        appendCoordinate(out, circle->centre.x);
        appendCoordinate(out, circle->centre.y);
        appendCoordinate(out, circle->radius);
        appendColour(out, circle->fill);
        appendColour(out, circle->rim);
    } else if (const auto *text = std::get_if<TextOp>(&primitive)) {
        out += " t";
        appendCoordinate(out, text->at.x);
        appendCoordinate(out, text->at.y);
        out += ' ' + text->text;
    }
    out += '\n';
}

void TextHash::add(std::string_view text)
{
    for (const char c : text) {
        value_ ^= static_cast<unsigned char>(c);
        value_ *= 0x100000001b3ULL;
    }
}

std::string TextHash::hex() const
{
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value_));
    return digits;
}

} // namespace ondel
