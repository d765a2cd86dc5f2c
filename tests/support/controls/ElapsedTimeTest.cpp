#include "support/controls/ElapsedTime.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct ElapsedCase {
    std::uint32_t start;
    std::uint32_t now;
    const char* text;
};

TEST(ElapsedTimeText, MinutesAndTwoDigitSeconds) {
    const ElapsedCase cases[] = {
        {1000, 1000, "0:00"},  {1000, 1999, "0:00"}, // whole seconds only
        {0, 7000, "0:07"},     {0, 59999, "0:59"},           {0, 60000, "1:00"},
        {0, 750000, "12:30"},  {0, 3600000, "60:00"}, // no hour field
        {0, 4500000, "75:00"}, {0, 0xFFFFFFFFu, "71582:47"},
    };
    for (const ElapsedCase& c : cases) {
        EXPECT_EQ(support::ElapsedTimeText(c.start, c.now), c.text) << c.start << " " << c.now;
    }
}

TEST(ElapsedTimeText, CountsAcrossTheWrapOfTheTickCount) {
    EXPECT_EQ(support::ElapsedTimeText(0xFFFFF000u, 0x00001000u + 61000u), "1:09");
    EXPECT_EQ(support::ElapsedTimeText(0xFFFFFFFFu, 0u), "0:00");
    EXPECT_EQ(support::ElapsedTimeText(0xFFFFFC18u, 0u), "0:01");
}

} // namespace
