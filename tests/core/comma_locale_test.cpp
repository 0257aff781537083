// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/decimal_text.h"
#include "shell/state/numeric.h"
#include "shell/pulse/pulse_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace ondel {
namespace {

// The German locale, in place while the object lives, as a Qt window sets
// the user's locale at start. Its decimal point is a comma.
class GermanLocale {
public:
    GermanLocale() : before_(std::setlocale(LC_ALL, nullptr))
    {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    GermanLocale(const GermanLocale &) = delete;
    GermanLocale &operator=(const GermanLocale &) = delete;
    bool active() const { return active_; }

private:
    std::string before_;
    bool active_ = false;
};

// Text boxes and pulse files write numbers with a point whatever the
// teacher's language.
TEST(CommaLocale, NumbersAreStillReadWithAPoint)
{
    const GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(numericValue("0.5"), 0.5);
    EXPECT_EQ(numericValue(" -140.25 mm"), -140.25);
    const PulseReadResult result = parsePulseText("0.5,-0.25\n1.5e1,2\n", "de.csv");
    ASSERT_TRUE(std::holds_alternative<PulseRecords>(result)) << std::get<PulseFileError>(result).message;
    EXPECT_EQ(std::get<PulseRecords>(result).first, (std::vector<float>{0.5f, 15}));
    EXPECT_EQ(std::get<PulseRecords>(result).second, (std::vector<float>{-0.25f, 2}));
}

// Files the programs write keep the point too, so that they read back anywhere.
TEST(CommaLocale, NumbersAreWrittenWithAPoint)
{
    const GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";

    EXPECT_EQ(shortestDecimal(0.328125f), "0.328125");
    EXPECT_EQ(shortestDecimal(-1.4f), "-1.4");
    EXPECT_EQ(roundedDecimal(-0.03125, 4), "-0.0312");
    EXPECT_EQ(roundedDecimal(2.5, 4), "2.5");
    EXPECT_EQ(roundedDecimal(-0.00001, 4), "0");
    EXPECT_EQ(roundedDecimal(7, 4), "7");
}

} // namespace
} // namespace ondel
