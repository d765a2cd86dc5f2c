#include "dialogs/FormulaText.h"

#include "practice/Subscripts.h"

#include <richedit.h>

namespace dialogs {
namespace {

// The control keeps a line break as one character where the text has CR LF.
LPARAM InControl(const std::string& text, std::size_t offset) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i + 1 < offset && i + 1 < text.size(); ++i) {
        breaks += text[i] == '\r' && text[i + 1] == '\n' ? 1 : 0;
    }
    return static_cast<LPARAM>(offset - breaks);
}

void Format(HWND control, const std::string& text, std::size_t start, std::size_t length,
            CHARFORMAT2A& format) {
    SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(InControl(text, start)),
                 InControl(text, start + length));
    SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

} // namespace

void ShowOnDialogFace(HWND control) {
    SendMessageA(control, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
}

void SetFormulaText(HWND control, const std::string& text, const std::vector<Mark>& marks) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    CHARFORMAT2A base = {};
    base.cbSize = sizeof base;
    SendMessageA(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&base));
    // Rich Edit draws a subscript at two thirds of its size, and at 96 DPI the
    // dialog's text is then so small (and grey where it is smoothed) that a 3
    // and a 4 look alike. Given five quarters of the text's size, the lowered
    // counts come out at about four fifths of it (digits of 7 px where the
    // text's are 9 px at 96 DPI), in the text's colour.
    CHARFORMAT2A lowered = {};
    lowered.cbSize = sizeof lowered;
    lowered.dwMask = CFM_SUBSCRIPT | CFM_SIZE | CFM_COLOR;
    lowered.dwEffects = CFE_SUBSCRIPT | CFE_AUTOCOLOR;
    lowered.yHeight = base.yHeight * 5 / 4;
    for (const practice::Span& span : practice::SubscriptSpans(text)) {
        Format(control, text, span.start, span.length, lowered);
    }
    for (const Mark& mark : marks) {
        CHARFORMAT2A marked = {};
        marked.cbSize = sizeof marked;
        marked.dwMask = CFM_BOLD | CFM_COLOR;
        marked.dwEffects = CFE_BOLD;
        marked.crTextColor = mark.colour;
        Format(control, text, mark.start, mark.length, marked);
    }
    SendMessageA(control, EM_SETSEL, 0, 0);
}

std::size_t CaretParagraph(HWND control) {
    CHARRANGE selection = {};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    std::string before(static_cast<std::size_t>(selection.cpMin) + 1, '\0');
    TEXTRANGEA range = {{0, selection.cpMin}, before.data()};
    SendMessageA(control, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    std::size_t paragraphs = 0;
    for (const char c : before) {
        paragraphs += c == '\r' ? 1 : 0;
    }
    return paragraphs;
}

void Emphasise(HWND dialog, HWND control, base::ScaledFont& font, Scale times) {
    LOGFONTA face = {};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (GetObjectA(dialogFont, sizeof face, &face) == 0) {
        return;
    }
    const UINT dpi = base::WindowDpi(dialog);
    face.lfHeight = base::SizeAtDesignDpi(face.lfHeight, dpi) * times.numerator / times.denominator;
    face.lfWeight = FW_BOLD;
    font.Apply(control, face, dpi, false);
}

} // namespace dialogs
