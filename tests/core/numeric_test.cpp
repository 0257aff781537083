// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/numeric.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace ondel {
namespace {

TEST(Numeric, RoundsHalvesToEvenInto16Bits)
{
    struct Row { double in; int out; };
    for (const auto [in, out] : {Row{2.5, 2}, Row{3.5, 4}, Row{-2.5, -2}, Row{2975.4, 2975}, Row{-0.5, 0},
                                 Row{32767.4, 32767}, Row{1e9, 32767}, Row{-1e9, -32768},
                                 Row{std::numeric_limits<double>::infinity(), 32767}})
        EXPECT_EQ(toInt16(in), out) << in;
}

TEST(Numeric, TakesTheLeadingNumberOfAText)
{
    struct Row { const char *text; double value; };
    for (const auto [text, value] : {Row{"140", 140}, Row{"  100", 100}, Row{"-40", -40}, Row{"+7", 7},
                                     Row{"140.5", 140.5}, Row{"12abc", 12}, Row{"abc", 0}, Row{"", 0},
                                     Row{"-", 0}, Row{".5", 0.5}, Row{"5.", 5}, Row{"1e308", 1},
                                     Row{"1 2", 1}, Row{"--3", 0}})
        EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
}

TEST(Numeric, KeepsAbsurdNumbersFinite)
{
    const std::string huge(400, '9');
    EXPECT_EQ(numericValue(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(numericValue("-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(numericValue("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace ondel
