#include "MessageBoxWatcher.h"

#include <algorithm>

namespace {

MessageBoxWatcher* active = nullptr;

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (icon != nullptr) {
            *reinterpret_cast<HICON*>(found) = icon;
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

HICON SystemIcon(LPCSTR id) {
    return LoadIconA(nullptr, id);
}

MessageBoxWatcher::MessageBoxWatcher(std::vector<int> answers) : answers_(std::move(answers)) {
    active = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    active = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && active != nullptr) {
        active->Seen(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxWatcher::Seen(HWND box) {
    if (!IsMessageBox(box) ||
        std::find(answered_.begin(), answered_.end(), box) != answered_.end()) {
        return;
    }
    answered_.push_back(box);
    SeenBox seen;
    char buffer[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    seen.text = buffer;
    GetWindowTextA(box, buffer, sizeof buffer);
    seen.caption = buffer;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
    const size_t index = std::min(boxes_.size(), answers_.size() - 1);
    boxes_.push_back(seen);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answers_[index], BN_CLICKED), 0);
}
