// Read-only Rich Edit controls that show formulas as chemists write them: a
// formula's counts lowered and smaller (Ca3(PO4)2 with 3, 4 and 2 below the
// line), three quarters of the text's size, in its colour, so that they stay
// readable at 96 DPI. Texts are code page 1250; WM_GETTEXT still reads the
// plain digits.
#pragma once

#include "base/ScaledFont.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace dialogs {

// Gives the control the dialog's face colour, so that it reads as a label.
void ShowOnDialogFace(HWND control);

// Part of a text in bold and a colour: "Správně!" in green.
struct Mark {
    std::size_t start; // in bytes of the text
    std::size_t length;
    COLORREF colour;
};

// Replaces the control's text, lowers the counts of the formulas in it and
// sets the marks.
void SetFormulaText(HWND control, const std::string& text, const std::vector<Mark>& marks = {});

// A text that stands out: the dialog's font, bold and `times` as large (half
// as large again for a question's formula, a third larger for a title). The
// dialog's font comes at the dialog's DPI; `font` keeps it at 96 DPI, so that
// a change of DPI makes it from that and not from whichever dialog font the
// window has at that moment.
struct Scale {
    int numerator;
    int denominator;
};
constexpr Scale kFormulaScale = {3, 2};
constexpr Scale kTitleScale = {4, 3};
void Emphasise(HWND dialog, HWND control, base::ScaledFont& font, Scale times);

// The paragraph of the control the caret is in, counted from 0.
std::size_t CaretParagraph(HWND control);

} // namespace dialogs
