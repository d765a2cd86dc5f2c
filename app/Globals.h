// Process-wide handles of the program, set once and used by the one UI thread.
#pragma once

#include <windows.h>

#include <string>

namespace app {

// The application instance, recorded first thing at start.
extern HINSTANCE g_hInstance;
// The modeless main dialog; null until it exists.
extern HWND g_hMainDialog;
// "Zemit " followed by the program's version text once set-up has run.
extern std::string CaptionText;

} // namespace app
