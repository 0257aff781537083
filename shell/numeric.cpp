#include "numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

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

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double numericValue(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;

    // Take the longest prefix of the form [sign] digits [. digits]; the
    // exponent form is deliberately not part of it.
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t digitsStart = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    std::size_t digits = pos - digitsStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos;
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0.0;

    // from_chars takes no leading '+'.
    std::string_view number = text.substr(start, pos - start);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double either way: huge, or vanishingly small.
        const std::string_view whole = number.substr(0, number.find('.'));
        const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
        value = huge ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace ondel
