// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/numeric.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace ondel {

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; this program never does.
    return std::nearbyint(value);
}

std::int16_t toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = roundHalfEven(value);
    if (rounded >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (rounded <= std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(rounded);
}

locale_t cLocale()
{
    // Never freed: one for the whole run.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::size_t decimalLength(std::string_view text)
{
    const auto digitsFrom = [&](std::size_t pos) {
        while (pos < text.size() && isDigit(text[pos]))
            ++pos;
        return pos;
    };
    const std::size_t whole = digitsFrom(0);
    if (whole == text.size() || text[whole] != '.')
        return whole;
    const std::size_t end = digitsFrom(whole + 1);
    // A point alone is no number.
    return end == 1 ? 0 : end;
}

double numericValue(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;

    // Take the longest prefix of the form [sign] decimal; the exponent form
    // is deliberately not part of it.
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t length = decimalLength(text.substr(pos));
    if (length == 0)
        return 0.0;

    // strtod wants the number on its own, ended by a NUL.
    const std::string number(text.substr(start, pos + length - start));
    const double value = ::strtod_l(number.c_str(), nullptr, cLocale());
    // Only too many digits for a double give an infinity; a number too small
    // comes back as 0 or the nearest denormal, as it should.
    return std::isinf(value) ? std::copysign(std::numeric_limits<double>::max(), value) : value;
}

} // namespace ondel
