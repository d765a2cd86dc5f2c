#include "Wait.h"

#include <windows.h>

namespace testsupport {

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (!condition()) {
        if (static_cast<LONG>(deadline - GetTickCount()) <= 0) {
            return false;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

} // namespace testsupport
