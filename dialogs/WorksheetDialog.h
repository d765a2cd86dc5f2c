// "Pracovní list": a teacher saves a printable worksheet with its key as RTF.
// Modal, owned by the main dialog.
#pragma once

#include "base/WholeFile.h"
#include "practice/Worksheet.h"

#include <windows.h>

#include <string>

namespace dialogs {

void RunWorksheetDialog(HWND owner);

// The user's Documents folder, where the first Save dialog opens ("" when
// Windows does not say).
std::string DocumentsFolder();

// A kind of file the teacher saves: the Save dialog's filter, the extension
// it adds, and how the program adds it to a name typed with another ending.
struct FileType {
    const char* filter;
    const char* extension;
    std::string (*withExtension)(const std::string&);
};

// The file the teacher chooses in a Save dialog that opens in `folder` and
// proposes `suggested`; empty when the dialog was cancelled or an existing
// file that the dialog did not name is not to be replaced.
std::string ChooseSaveFile(HWND dialog, const char* caption, const FileType& type,
                           const std::string& suggested, const std::string& folder);

// Why a worksheet could not be saved at `path`, from the step of the write
// that failed, its last error and what is at `path` now.
practice::SaveFailure SaveFailureOf(const std::string& path, base::WriteStep step, DWORD error);

} // namespace dialogs
