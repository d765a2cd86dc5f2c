// Text and control helpers: further operations on a bound control (edit and
// combo-box controls), text conversions, the local date-and-time text and the
// line-number margin of a Scintilla control.
#pragma once

#include "app/ControlBinding.h"
#include "support/text/TextRules.h"

#include <windows.h>

#include <string>

namespace support {

// The control's text, at most `count` - 1 characters; with a count above 65536
// the box "String len > 65536" and "".
std::string ReadTextUpTo(const app::ControlBinding& binding, int count);
LRESULT SelectAllText(const app::ControlBinding& binding);
// Removes the selection; the text stays.
LRESULT ClearSelection(const app::ControlBinding& binding);
// When the edit's text was changed: an information box owned by the control
// and its result; 0 otherwise.
int ReportIfModified(const app::ControlBinding& binding);
LRESULT ResetComboList(const app::ControlBinding& binding);
// The index of the list item that matches the edit field's text in any letter
// case, or of the item added for it; 0 for an empty text.
LRESULT AddTextToCombo(const app::ControlBinding& binding);
// Deletes the selected item; false when none is selected.
bool DeleteSelectedComboItem(const app::ControlBinding& binding);

// ANSI code page text to UTF-16, of any length.
std::wstring ToWideString(const char* text);
// OEM code page to ANSI and back; `destination` holds at least as many
// characters as `source` and may be the same buffer.
void OemToText(const char* source, char* destination);
void TextToOem(const char* source, char* destination);
// The local date and time as "7.12.2026 - 9:05:03".
std::string LocalTimeText();
// Sizes margin 0 of a Scintilla control to the digits of its line count, or
// hides it when `show` is false; the last message's result.
LRESULT FitLineNumberMargin(HWND scintilla, bool show);

} // namespace support
