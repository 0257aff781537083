// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/decimal_text.h"

#include "shell/state/numeric.h"

#include <cstdio>
#include <cstdlib>

namespace ondel {

namespace {

// The C library's formatting in the C locale for as long as it lives, on
// this thread only (Qt set the user's locale for the whole process).
class CNumericLocale {
public:
    CNumericLocale() : before_(::uselocale(cLocale())) {}
    ~CNumericLocale() { ::uselocale(before_); }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    locale_t before_;
};

std::string printed(const char *format, int precision, double value)
{
    const CNumericLocale c;
    char text[64];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

// As the pulse file reader converts a number: long double, then single.
float readBack(const std::string &text) { return static_cast<float>(::strtold_l(text.c_str(), nullptr, cLocale())); }

} // namespace

std::string shortestDecimal(float value)
{
    if (value == 0.0f)
        return "0";
    // Nine significant digits always bring a float back; fewer often do.
    constexpr int floatDigits = 9;
    std::string text;
    for (int digits = 1; digits <= floatDigits; ++digits) {
        text = printed("%.*g", digits, value);
        if (readBack(text) == value)
            break;
    }
    return text;
}

std::string roundedDecimal(double value, int places)
{
    std::string text = printed("%.*f", places, value);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace ondel
