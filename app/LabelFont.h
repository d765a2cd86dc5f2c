// Italic underlined variant of the default GUI font for a dialog's label.
#pragma once

#include <windows.h>

namespace app {

// Creates the font with character height `height` (negative: pixels) and face
// `face`, sends it to control `id` of `dialog` and returns it. The caller owns it.
HFONT ApplyLabelFont(HWND dialog, int id, int height, const char* face);

} // namespace app
