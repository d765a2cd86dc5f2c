// The support library's last-error box, shared by every area.
#pragma once

namespace support {

// A box without owner, with the error icon, the given caption and the text
// "Last Error:  <GetLastError() in decimal>". Returns the box's result.
int ShowLastError(const char* caption);

} // namespace support
