// The open dialog that the item-text and shared-file operations share.
#pragma once

#include <windows.h>

namespace support {

// Asks for an existing file with the 76-byte dialog layout, owned by `owner`;
// false when cancelled.
bool AskOpenFileName(HWND owner, char (&name)[MAX_PATH]);

} // namespace support
