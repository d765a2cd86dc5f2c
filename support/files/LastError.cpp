#include "support/files/LastError.h"

#include <windows.h>

#include <cstdio>

namespace support {

int ShowLastError(const char* caption) {
    const DWORD error = GetLastError();
    char text[64];
    std::snprintf(text, sizeof text, "Last Error:  %lu", static_cast<unsigned long>(error));
    return MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

} // namespace support
