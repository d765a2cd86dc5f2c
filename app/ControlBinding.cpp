#include "app/ControlBinding.h"

#include "app/MainDialogModel.h"

namespace app {

ControlBinding::ControlBinding(HWND dialog, int id, ControlKind kind, bool enable)
    : control_(GetDlgItem(dialog, id)), dialog_(dialog),
      instance_(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE))), id_(id),
      kind_(kind) {
    if (!enable) {
        EnableWindow(control_, FALSE);
    }
}

std::string ControlBinding::ReadText() const {
    char buffer[kTextBufferSize] = {};
    SendMessageA(control_, WM_GETTEXT, kTextBufferSize, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void ControlBinding::ReplaceText(const std::string& text) const {
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ControlBinding::Close() const {
    DestroyWindow(dialog_);
}

} // namespace app
