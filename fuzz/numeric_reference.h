// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

// A second opinion on the leading number of a text box, for texts whose
// number part is known: the C library's strtod reads that part, and a number
// too large for a double stands for the largest double of its sign.
namespace ondel::fuzz {

struct ReferenceValue {
    double value = 0;
    // Below the smallest normal double: 0 is as good an answer as the
    // denormal strtod gives.
    bool underflow = false;
};

// `number` is "[+-]digits[.digits]" with at least one digit, nothing else.
inline ReferenceValue referenceValue(const std::string &number)
{
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return {std::copysign(std::numeric_limits<double>::max(), value), false};
    return {value, errno == ERANGE || (value != 0 && std::fabs(value) < std::numeric_limits<double>::min())};
}

inline bool agrees(double actual, const ReferenceValue &expected)
{
    return actual == expected.value || (expected.underflow && actual == 0);
}

} // namespace ondel::fuzz
