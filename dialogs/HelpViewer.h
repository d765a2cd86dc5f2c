// The modal Help dialog: shows help.rtf from the program's directory.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

INT_PTR CALLBACK HelpViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Streams the RTF file `path` into the Rich Edit control; reports a file that
// cannot be opened with "FILE ERROR" / "Error".
void LoadRtfFile(HWND richEdit, const std::string& path);

} // namespace dialogs
