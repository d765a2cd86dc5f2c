// Test helper: a plain top-level window that hosts controls or owns boxes,
// and the controls put on a host.
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

// A child window of `parent` (WS_CHILD and `style`) with identifier `id`.
inline HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int x,
                        int y, int width, int height, int id = 0) {
    return CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace testsupport
