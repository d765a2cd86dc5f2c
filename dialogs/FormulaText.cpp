#include "dialogs/FormulaText.h"

#include "practice/Subscripts.h"

#include <richedit.h>

namespace dialogs {

void ShowOnDialogFace(HWND control) {
    SendMessageA(control, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
}

void SetFormulaText(HWND control, const std::string& text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    CHARFORMAT2A lowered = {};
    lowered.cbSize = sizeof lowered;
    lowered.dwMask = CFM_SUBSCRIPT;
    lowered.dwEffects = CFE_SUBSCRIPT;
    // The control keeps a line break as one character where the text has CR LF.
    std::size_t breaks = 0;
    std::size_t scanned = 0;
    for (const practice::Span& span : practice::SubscriptSpans(text)) {
        for (; scanned < span.start; ++scanned) {
            if (text[scanned] == '\r' && scanned + 1 < text.size() && text[scanned + 1] == '\n') {
                ++breaks;
            }
        }
        const auto start = static_cast<WPARAM>(span.start - breaks);
        SendMessageA(control, EM_SETSEL, start, static_cast<LPARAM>(start + span.length));
        SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&lowered));
    }
    SendMessageA(control, EM_SETSEL, 0, 0);
}

} // namespace dialogs
