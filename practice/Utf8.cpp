#include "practice/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace practice {
namespace {

// The characters of bytes 0x80 to 0xFF; the undefined ones as themselves.
constexpr uint16_t kUpper[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// The byte of a character above U+007F, or 0 when code page 1250 has none.
char ByteOf(uint32_t character) {
    struct Entry {
        uint32_t character;
        char byte;
        bool operator<(const Entry& other) const { return character < other.character; }
    };
    static const std::vector<Entry> kSorted = [] {
        std::vector<Entry> entries;
        for (int i = 0; i < 128; ++i) {
            entries.push_back({kUpper[i], static_cast<char>(0x80 + i)});
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    const auto found = std::lower_bound(kSorted.begin(), kSorted.end(), Entry{character, 0});
    return found != kSorted.end() && found->character == character ? found->byte : 0;
}

} // namespace

std::string Utf8FromCp1250(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
            continue;
        }
        const uint16_t character = kUpper[byte - 0x80];
        if (character < 0x800) {
            utf8 += static_cast<char>(0xC0 | character >> 6);
        } else {
            utf8 += static_cast<char>(0xE0 | character >> 12);
            utf8 += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        }
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    }
    return utf8;
}

bool Cp1250FromUtf8(std::string_view utf8, std::string& text) {
    text.clear();
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            text += utf8[i++];
            continue;
        }
        // Continuation bytes that follow, and the smallest value each length may encode.
        const int following = lead >= 0xC2 && lead <= 0xDF   ? 1
                              : lead >= 0xE0 && lead <= 0xEF ? 2
                              : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                             : 0;
        if (following == 0 || utf8.size() - i <= static_cast<std::size_t>(following)) {
            return false;
        }
        uint32_t character = lead & (0x3F >> following);
        for (int k = 1; k <= following; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            character = character << 6 | (next & 0x3F);
        }
        const uint32_t smallest = following == 1 ? 0x80 : following == 2 ? 0x800 : 0x10000;
        if (character < smallest || character > 0x10FFFF ||
            (character >= 0xD800 && character <= 0xDFFF)) {
            return false;
        }
        const char byte = ByteOf(character);
        if (byte == 0) {
            return false;
        }
        text += byte;
        i += following + 1;
    }
    return true;
}

} // namespace practice
