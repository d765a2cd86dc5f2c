// Rich Edit utilities: character formatting of the selection, background
// colour, paragraph layout, zoom, search, a character count, and RTF files
// saved and opened through the file dialogs and the control's stream.
#pragma once

#include "support/richedit/SelectionFormat.h"

#include <windows.h>

#include <richedit.h>

namespace support {

// The control that the file, count, query, search and layout operations act
// on; the host assigns it.
extern HWND RichEditTarget;
// The last background colour chosen (cyan at start) and the colour dialog's
// custom colours, kept for the process.
extern COLORREF RichBackgroundColour;
extern COLORREF RichCustomColours[16];

// The file dialogs' filter: RTF files first, then all files.
extern const char kRichFileFilter[];

// Formatting of the given control's selection.
// Applies the attributes in `mask`: bold, italic and underline from the flags,
// strikeout as the selection has it, text colour from red, green and blue,
// white background, the selection's face and character set. `format` is read
// into and then sent. On failure shows "FORMAT ERROR" and returns false.
BOOL FormatSelection(HWND control, const DWORD& mask, CHARFORMAT2A* format, int red, int green,
                     int blue, BOOL bold, BOOL italic, BOOL underline);
// Lets the user pick the control's background colour; focus returns to it.
void ChooseRichBackground(HWND control);
// The selection (or the word at the caret) in red when `red` is set, else
// black; other attributes stay as the selection has them.
LRESULT MarkSelectionRed(HWND control, BOOL red, CHARFORMAT2A* format);
// The selection (or the word at the caret) in plain black 9.5-point text of
// `face` (cut to 31 characters), Central European character set. On failure
// shows "EM_SETCHARFORMAT" and returns false.
BOOL SetSelectionFace(HWND control, DWORD& maskUsed, CHARFORMATA* format, const char* face);

// Operations on RichEditTarget.
// Saves the content as RTF under a name chosen in the save dialog (an
// existing file is replaced). False if cancelled or not written whole.
BOOL SaveRichFile();
// Replaces the content with an RTF file chosen in the open dialog, raising
// the control's text limit to the file's size when it is lower. False if
// cancelled, the file cannot be opened or not be read.
BOOL OpenRichFile();
// Characters with each line break counted as two; also shown in a box.
LRESULT ShowCharacterCount();
DWORD IsSelectionBold();
DWORD IsSelectionItalic();
DWORD IsSelectionUnderlined();
LRESULT SetSelectionBold(BOOL set);
LRESULT SetSelectionItalic(BOOL set);
LRESULT SetSelectionUnderlined(BOOL set);
// Finds `text` as a whole word, case-sensitive; puts the caret before it.
// Negative when not found.
LRESULT FindWholeWord(const char* text);
LRESULT SetDoubleZoom();
// Empties the control, then switches it to plain text.
LRESULT ClearToPlainText();
LRESULT JustifySelection();
LRESULT SetDoubleSpacing();
LRESULT ShowVerticalScrollBar();

namespace detail {
// The stream callbacks of the file operations; the cookie is a file handle.
// Each returns non-zero (stop) when the file cannot be written or read.
DWORD CALLBACK WriteRichChunk(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* written);
DWORD CALLBACK ReadRichChunk(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* read);
} // namespace detail

} // namespace support
