#include "support/text/Text.h"

#include <vector>

namespace support {
namespace {

const char* const kModifiedText = "Text prvku Edit byl změněn";
const char* const kModifiedCaption = "Změna";
// The combo box's edit field is read into this many characters with the terminator.
constexpr int kComboTextBuffer = 2048;

LRESULT Send(const app::ControlBinding& binding, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(binding.control(), message, wParam, lParam);
}

} // namespace

std::string ReadTextUpTo(const app::ControlBinding& binding, int count) {
    if (count > kMaxReadText) {
        MessageBoxA(nullptr, kReadTooLong, kReadTooLong, MB_OK);
        return "";
    }
    if (count <= 0) {
        return "";
    }
    std::vector<char> buffer(static_cast<size_t>(count), '\0');
    Send(binding, WM_GETTEXT, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return buffer.data();
}

LRESULT SelectAllText(const app::ControlBinding& binding) {
    return Send(binding, EM_SETSEL, 0, -1);
}

LRESULT ClearSelection(const app::ControlBinding& binding) {
    return Send(binding, EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

int ReportIfModified(const app::ControlBinding& binding) {
    if (Send(binding, EM_GETMODIFY, 0, 0) == 0) {
        return 0;
    }
    return MessageBoxA(binding.control(), kModifiedText, kModifiedCaption,
                       MB_OK | MB_ICONINFORMATION);
}

LRESULT ResetComboList(const app::ControlBinding& binding) {
    return Send(binding, CB_RESETCONTENT, 0, 0);
}

LRESULT AddTextToCombo(const app::ControlBinding& binding) {
    char text[kComboTextBuffer] = {};
    Send(binding, WM_GETTEXT, kComboTextBuffer, reinterpret_cast<LPARAM>(text));
    text[kComboTextBuffer - 1] = '\0';
    const LRESULT match =
        Send(binding, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (match != CB_ERR) {
        return match;
    }
    if (text[0] == '\0') {
        return 0;
    }
    return Send(binding, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

bool DeleteSelectedComboItem(const app::ControlBinding& binding) {
    const LRESULT selected = Send(binding, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        return false;
    }
    Send(binding, CB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    return true;
}

std::wstring ToWideString(const char* text) {
    if (text == nullptr || *text == '\0') {
        return L"";
    }
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0) {
        return L"";
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], units);
    wide.resize(static_cast<size_t>(units) - 1); // without the terminator
    return wide;
}

void OemToText(const char* source, char* destination) {
    OemToCharA(source, destination);
}

void TextToOem(const char* source, char* destination) {
    CharToOemA(source, destination);
}

std::string LocalTimeText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FormatDateTime(now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond);
}

LRESULT FitLineNumberMargin(HWND scintilla, bool show) {
    return FitMargin(
        [scintilla](unsigned message, intptr_t wParam, intptr_t lParam) -> intptr_t {
            return SendMessageA(scintilla, message, static_cast<WPARAM>(wParam), lParam);
        },
        show);
}

} // namespace support
