// The colour menu's choice of text colour, window-free.
#pragma once

#include <cstdint>

namespace support {

// Colours as COLORREF values: red in bits 0-7, green 8-15, blue 16-23.
constexpr std::uint32_t kBlackText = 0x000000;
constexpr std::uint32_t kWhiteText = 0xFFFFFF;

// Black text on a light item colour (red + green + blue of 300 or more),
// white text on a dark one.
constexpr std::uint32_t ColourMenuTextColour(std::uint32_t itemColour) {
    const unsigned sum =
        (itemColour & 0xFF) + ((itemColour >> 8) & 0xFF) + ((itemColour >> 16) & 0xFF);
    return sum >= 300 ? kBlackText : kWhiteText;
}

} // namespace support
