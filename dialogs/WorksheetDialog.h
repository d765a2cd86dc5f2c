// "Pracovní list": a teacher saves a printable worksheet with its key as RTF.
// Modal, owned by the main dialog.
#pragma once

#include "base/WholeFile.h"
#include "practice/Worksheet.h"

#include <windows.h>

#include <string>

namespace dialogs {

void RunWorksheetDialog(HWND owner);

// Why a worksheet could not be saved at `path`, from the step of the write
// that failed, its last error and what is at `path` now.
practice::SaveFailure SaveFailureOf(const std::string& path, base::WriteStep step, DWORD error);

} // namespace dialogs
