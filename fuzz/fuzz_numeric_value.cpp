// SPDX-License-Identifier: GPL-3.0-or-later
// The leading-number reading of a text box. Any bytes give a finite value;
// a text built as blanks, a number and a tail that cannot continue it gives
// the number's value as strtod reads it.
#include "numeric_reference.h"

#include "shell/state/numeric.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const char *what, const std::string &text, double value)
{
    std::fprintf(stderr, "numericValue(\"%s\") = %.17g: %s\n", text.c_str(), value, what);
    std::abort();
}

std::string digits(FuzzedDataProvider &data, std::size_t most)
{
    std::string out(data.ConsumeIntegralInRange<std::size_t>(0, most), '0');
    for (char &c : out)
        c = static_cast<char>('0' + data.ConsumeIntegralInRange(0, 9));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string raw(reinterpret_cast<const char *>(bytes), size);
    if (const double value = ondel::numericValue(raw); !std::isfinite(value))
        fail("not finite", raw, value);

    FuzzedDataProvider data(bytes, size);
    std::string blanks;
    for (int n = data.ConsumeIntegralInRange(0, 3); n > 0; --n)
        blanks += data.ConsumeBool() ? ' ' : '\t';
    std::string number;
    if (const int sign = data.ConsumeIntegralInRange(0, 2); sign != 0)
        number += sign == 1 ? '+' : '-';
    const std::size_t signLength = number.size();
    number += digits(data, 400);
    if (data.ConsumeBool())
        number += '.' + digits(data, 400);
    if (number.find_first_of("0123456789") == std::string::npos)
        number.insert(signLength, 1, static_cast<char>('0' + data.ConsumeIntegralInRange(0, 9)));
    std::string tail = data.ConsumeRemainingBytesAsString();
    if (!tail.empty() && (std::isdigit(static_cast<unsigned char>(tail.front())) || tail.front() == '.'))
        tail.insert(0, 1, 'x');

    const std::string text = blanks + number + tail;
    const double value = ondel::numericValue(text);
    if (!ondel::fuzz::agrees(value, ondel::fuzz::referenceValue(number)))
        fail("differs from strtod of its number part", text, value);
    return 0;
}
