// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <locale.h>

// The number rules every program follows: values held at single precision,
// whole numbers rounded to the nearest integer with halves going to even,
// and the reading of numbers (the leading number of a text box among them)
// with a point for the decimal point, whatever the locale.
namespace ondel {

// A real held at single precision, as the wave values and screen y are.
inline float single(double value) { return static_cast<float>(value); }

// Nearest integer, halves to even ("2.5" -> 2, "3.5" -> 4).
double roundHalfEven(double value);

// A value stored into a 16-bit slot: rounded halves to even and clamped to
// -32768..32767. Clamping instead of failing keeps a far-off point from
// ending the lesson; such points lie outside the window anyway.
std::int16_t toInt16(double value);

// The "C" locale, for the C library's readers of numbers (strtod_l): the
// decimal point stays '.' whatever locale the application took from the
// user (Qt takes it; in German it is a comma).
locale_t cLocale();

// The length of the unsigned decimal that `text` starts with, digits with
// an optional fraction ("12", "1.5", ".5", "5."); 0 when it starts with none.
std::size_t decimalLength(std::string_view text);

// The numeric value of a text: blanks skipped, an optional sign, digits,
// an optional fraction; whatever follows is ignored; 0 when the text does
// not start with a number. The result is always finite: a number too large
// for a double gives the largest double of its sign.
double numericValue(std::string_view text);

} // namespace ondel
