// The character format that FormatSelection sends, built from what the
// control reported for the selection and the caller's choices; window-free.
#pragma once

#include <cstdint>

namespace support {

// LF_FACESIZE: the face name field, terminator included.
constexpr int kFaceNameSize = 32;

// Effect bits of the Rich Edit character formats.
constexpr std::uint32_t kEffectBold = 0x1;
constexpr std::uint32_t kEffectItalic = 0x2;
constexpr std::uint32_t kEffectUnderline = 0x4;
constexpr std::uint32_t kEffectStrikeout = 0x8;

constexpr std::uint32_t kWhiteBackground = 0xFFFFFF;

// The fields of a character format that FormatSelection reads or writes.
struct SelectionFormat {
    std::uint32_t mask = 0;
    std::uint32_t effects = 0;
    std::uint32_t textColour = 0; // COLORREF: red in bits 0-7
    std::uint32_t backColour = 0;
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
    char face[kFaceNameSize] = {};
};

// Bold, italic and underline come from the flags; strikeout stays as the
// selection had it; the text colour is made of the low 8 bits of red, green
// and blue; the background is white; character set, pitch and face are kept.
SelectionFormat ComposeSelectionFormat(const SelectionFormat& read, std::uint32_t mask,
                                       unsigned red, unsigned green, unsigned blue, bool bold,
                                       bool italic, bool underline);

// Copies `face` into a face name field: at most 31 characters and always a
// terminator; a null face gives an empty name.
void CopyFaceName(char (&field)[kFaceNameSize], const char* face);

} // namespace support
