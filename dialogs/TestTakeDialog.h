// "Spustit test...": a pupil opens a class test's file, signs in with name and
// class, answers the questions of a variant drawn at random in any order and
// hands the test in; then sees the mark and every question with the right
// answer. The result file is written whole after every answer; an attempt
// not handed in can be continued on the same computer. Modal, owned by the
// main dialog.
#pragma once

#include <windows.h>

namespace dialogs {

void RunTestTakeDialog(HWND owner);

} // namespace dialogs
