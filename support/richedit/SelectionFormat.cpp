#include "support/richedit/SelectionFormat.h"

#include <cstring>

namespace support {

SelectionFormat ComposeSelectionFormat(const SelectionFormat& read, std::uint32_t mask,
                                       unsigned red, unsigned green, unsigned blue, bool bold,
                                       bool italic, bool underline) {
    SelectionFormat format;
    format.mask = mask;
    format.effects = (bold ? kEffectBold : 0) | (italic ? kEffectItalic : 0) |
                     (underline ? kEffectUnderline : 0) | (read.effects & kEffectStrikeout);
    format.textColour = (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
    format.backColour = kWhiteBackground;
    format.charSet = read.charSet;
    format.pitchAndFamily = read.pitchAndFamily;
    std::memcpy(format.face, read.face, sizeof format.face);
    format.face[kFaceNameSize - 1] = '\0';
    return format;
}

void CopyFaceName(char (&field)[kFaceNameSize], const char* face) {
    std::memset(field, 0, sizeof field);
    for (int i = 0; face != nullptr && i < kFaceNameSize - 1 && face[i] != '\0'; ++i) {
        field[i] = face[i];
    }
}

} // namespace support
