// Read-only Rich Edit controls that show formulas as chemists write them: a
// formula's counts lowered and smaller (Ca3(PO4)2 with 3, 4 and 2 below the
// line). Texts are code page 1250; WM_GETTEXT still reads the plain digits.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

// Gives the control the dialog's face colour, so that it reads as a label.
void ShowOnDialogFace(HWND control);

// Replaces the control's text and lowers the counts of the formulas in it.
void SetFormulaText(HWND control, const std::string& text);

} // namespace dialogs
