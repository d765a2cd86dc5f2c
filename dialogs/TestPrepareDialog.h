// "Připravit test": the teacher sets a class test (title, questions or the
// own choice, variants, time limit, marks), saves the test file where the
// pupils can reach it, and may save each variant as a worksheet with its key
// beside it. Modal, owned by the main dialog.
#pragma once

#include <windows.h>

namespace dialogs {

void RunTestPrepareDialog(HWND owner);

} // namespace dialogs
