// "Výsledky testu": the teacher opens a test file and sees every result in
// the folder beside it, sorts the table, reads it again while results keep
// coming, and saves it as CSV or as an RTF overview. Modal, owned by the main
// dialog.
#pragma once

#include <windows.h>

namespace dialogs {

void RunTestResultsDialog(HWND owner);

} // namespace dialogs
