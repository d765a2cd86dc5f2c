#include "support/menus/ColourMenuText.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

TEST(ColourMenuTextColour, BlackOnLightWhiteOnDark) {
    const struct {
        std::uint32_t item;
        std::uint32_t text;
    } cases[] = {
        {Rgb(100, 100, 100), support::kBlackText}, // sum 300
        {Rgb(100, 100, 99), support::kWhiteText},  // sum 299
        {Rgb(0, 0, 0), support::kWhiteText},
        {Rgb(255, 255, 255), support::kBlackText},
        {Rgb(255, 45, 0), support::kBlackText},
        {Rgb(0, 44, 255), support::kWhiteText},
        {Rgb(0, 0, 255) | 0x12000000u, support::kWhiteText}, // the top byte is no colour
    };
    for (const auto& c : cases) {
        EXPECT_EQ(support::ColourMenuTextColour(c.item), c.text) << std::hex << c.item;
    }
}

} // namespace
