// The modal About dialog: product name and version, and a link to the home page.
#pragma once

#include <windows.h>

namespace dialogs {

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace dialogs
