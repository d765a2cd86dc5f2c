#include "MessageHost.h"

namespace testsupport {
namespace {

const char kClassName[] = "ZemitTestMessageHost";

void RegisterOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
}

} // namespace

MessageHost::MessageHost(COLORREF background, int width, int height, const char* title)
    : background_(background) {
    RegisterOnce(Procedure);
    hwnd_ = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    UpdateWindow(hwnd_);
}

MessageHost::~MessageHost() {
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK MessageHost::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<MessageHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (host == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (host->handler_) {
        if (const std::optional<LRESULT> result = host->handler_(hwnd, message, wParam, lParam)) {
            return *result;
        }
    }
    switch (message) {
    case WM_COMMAND:
        host->commands_.push_back({wParam, lParam});
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(host->background_);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    case WM_DESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace testsupport
