// Test helper: a plain top-level window that hosts controls or owns boxes.
#pragma once

#include <windows.h>

namespace testsupport {

class HostWindow {
  public:
    explicit HostWindow(const char* title = "zemit test host", int width = 400, int height = 300,
                        bool visible = false)
        : hwnd_(CreateWindowExA(0, "STATIC", title,
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                                0, 0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr)) {}
    ~HostWindow() { DestroyWindow(hwnd_); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return hwnd_; }

  private:
    HWND hwnd_;
};

} // namespace testsupport
