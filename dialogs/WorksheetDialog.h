// "Pracovní list": a teacher saves a printable worksheet with its key as RTF.
// Modal, owned by the main dialog.
#pragma once

#include "practice/Worksheet.h"

#include <windows.h>

#include <string>

namespace dialogs {

void RunWorksheetDialog(HWND owner);

// Writes `bytes` to a new file in the folder of `path` and moves it over
// `path` only once it is complete; on failure nothing is left but what was
// there before. Returns whether `path` now holds the bytes; when not, the last
// error says why.
bool SaveWholeFile(const std::string& path, const std::string& bytes);

// Why a worksheet could not be saved at `path`, from the last error of the
// attempt and what is at `path` now.
practice::SaveFailure SaveFailureOf(const std::string& path, DWORD error);

} // namespace dialogs
