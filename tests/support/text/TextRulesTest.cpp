// The window-free text rules: numbers and the date-and-time text.
#include "support/text/TextRules.h"

#include <gtest/gtest.h>

using namespace support;

namespace {

TEST(TextRules, ParseIntegerReadsTheLeadingNumber) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42abc", 42},
        {" -7", -7},
        {"abc", -1},
        {"", -1},
        {"+5", 5},
        {"\t\n12", 12},
        {"-", -1},
        {"- 3", -1},
        {"007", 7},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ParseInteger(nullptr), -1);
}

TEST(TextRules, ParseRealReadsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2.5", 2.5},  {"-1e3", -1000.0}, {"x", -1.0},    {"", -1.0},  {" .5x", 0.5},
        {"5.", 5.0},   {"1e", 1.0},       {"1e+x", 1.0},  {".", -1.0}, {"inf", -1.0},
        {"nan", -1.0}, {"0x10", 0.0},     {"2E-2", 0.02},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseReal(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ParseReal(nullptr), -1.0);
}

TEST(TextRules, DateTimeText) {
    EXPECT_EQ(FormatDateTime(7, 12, 2026, 9, 5, 3), "7.12.2026 - 9:05:03");
    EXPECT_EQ(FormatDateTime(31, 1, 2027, 23, 59, 0), "31.1.2027 - 23:59:00");
    EXPECT_EQ(MarginSample(120), "_120_");
    EXPECT_EQ(MarginSample(0), "_0_");
}

} // namespace
