// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/pulse_invariants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondel {
namespace {

// Inputs the fuzzer found or that sit on the edges it probes. Each is handed
// over in a buffer of exactly its size, as the fuzzer does, so that a read
// past the end shows under the address sanitizer.
TEST(PulseFileHostile, AnswersWithADrawableTableOrAReadableReason)
{
    struct Row {
        const char *name;
        std::string bytes;
    };
    const std::vector<Row> rows{
        {"nan at the very end (strtold read past it)", "nan"},
        {"infinity at the very end", "1,inf"},
        {"signed nan", "-nan"},
        {"infinity spelt out", "infinity"},
        {"nan with a payload", "nan(1)"},
        {"Shift-JIS heading (message must stay UTF-8)", "\x83\x70\x83\x8B\x83\x58,\x83\x66\x81\x5B\x83\x5E\n1,2\n"},
        {"multibyte character cut at the shown length", "aあいうえおかきくけこ,1\n"},
        {"lone continuation bytes", "\x80\x80,1\n"},
        {"overlong slash", "\xC0\xAF,1\n"},
        {"UTF-16 surrogate", "\xED\xA0\x80,1\n"},
        {"control characters", std::string("\x01\x02\x7F\0,1\n", 6)},
        {"largest single value twice (sum not drawable)", "3.4e35,3.4e35\n"},
        {"largest drawable value", "1.7e35,-1.7e35\n"},
        {"denormal", "1e-45,-1e-45\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<char> exact(row.bytes.begin(), row.bytes.end());
        const PulseReadResult result = parsePulseText(std::string_view(exact.data(), exact.size()), "hostile.csv");
        EXPECT_EQ(fuzz::pulseResultFault(result).value_or(""), "");
        EXPECT_EQ(fuzz::roundTripFault(result).value_or(""), "");
    }
}

} // namespace
} // namespace ondel
