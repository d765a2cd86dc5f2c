// The Open and Save dialogs the teacher's and the pupil's dialogs share, and
// the folders they open in.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

// The user's Documents folder, where the first Save dialog opens ("" when
// Windows does not say).
std::string DocumentsFolder();

// A kind of file the teacher saves: the Save dialog's filter and the
// extension (".rtf") added to a name typed with another ending.
struct FileType {
    const char* filter;
    const char* extension;
};

// The file the teacher chooses in a Save dialog that opens in `folder` and
// proposes `suggested`; empty when the dialog was cancelled or an existing
// file that the dialog did not name is not to be replaced.
std::string ChooseSaveFile(HWND dialog, const char* caption, const FileType& type,
                           const std::string& suggested, const std::string& folder);

// A class test's file chosen in an Open dialog captioned `caption`, which
// opens where the last test was chosen; empty when cancelled.
std::string ChooseTestFile(HWND owner, const char* caption);

} // namespace dialogs
