// "Procvičování": a pupil names oxides or writes their formulas, round by
// round, graded at once. Modal, owned by the main dialog.
#pragma once

#include <windows.h>

namespace dialogs {

// Reads the oxide list and runs the dialog until it is closed.
void RunPracticeDialog(HWND owner);

} // namespace dialogs
