// "Pracovní list": a teacher saves a printable worksheet with its key as RTF.
// Modal, owned by the main dialog.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

void RunWorksheetDialog(HWND owner);

// Writes `bytes` to a new file in the folder of `path` and moves it over
// `path` only once it is complete; on failure nothing is left but what was
// there before. Returns whether `path` now holds the bytes.
bool SaveWholeFile(const std::string& path, const std::string& bytes);

} // namespace dialogs
