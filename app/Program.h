// The program's start-up, message loop and end; WinMain only calls Run.
#pragma once

#include <windows.h>

namespace app {

// Returns the process exit code.
int Run(HINSTANCE instance);

} // namespace app
