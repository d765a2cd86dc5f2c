// "Pracovní list": a teacher saves a printable worksheet with its key as RTF.
// Modal, owned by the main dialog.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

void RunWorksheetDialog(HWND owner);

} // namespace dialogs
