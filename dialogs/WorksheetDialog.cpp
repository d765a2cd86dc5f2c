#include "dialogs/WorksheetDialog.h"

#include "app/Globals.h"
#include "base/WholeFile.h"
#include "dialogs/OwnChoice.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/PracticeChoices.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace dialogs {
namespace {

const char* const kCaption = "Pracovní list";

// The choices of the last worksheet, while the program runs.
Choices& Remembered() {
    static Choices choices{practice::Direction::FormulaToName, {}, 20};
    return choices;
}
// The compounds ticked for the last worksheet, while the program runs.
OwnChoice& Own() {
    static OwnChoice own;
    return own;
}
const char kFilter[] = "Dokumenty RTF (*.rtf)\0*.rtf\0Všechny soubory (*.*)\0*.*\0";

// Where the Save dialog opens: the Documents folder at first (the program's
// own folder is seldom writable), then the folder of the last worksheet.
std::string& SaveFolder() {
    static std::string folder = DocumentsFolder();
    return folder;
}

// Draws the worksheet and saves it, then says where and offers to open it;
// false when the teacher cancelled or it could not be saved.
bool Save(HWND dialog) {
    const Choices choices = ChosenChoices(dialog);
    const auto groups = Own().Groups(dialog, kCaption, "pracovní list", choices.count);
    if (!groups) {
        return false;
    }
    const auto questions =
        practice::DrawRound(*groups, choices.count, choices.direction, NewSeed());
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    const std::string path = ChooseSaveFile(
        dialog, kCaption, {kFilter, ".rtf"},
        practice::WorksheetFileName(questions, today.wYear, today.wMonth, today.wDay),
        SaveFolder());
    if (path.empty()) {
        return false;
    }
    base::WriteStep step = base::WriteStep::None;
    if (!base::WriteWholeFile(path, practice::WorksheetRtf(questions), &step)) {
        const practice::SaveFailure failure = SaveFailureOf(path, step, GetLastError());
        MessageBoxA(dialog, practice::SaveFailedText(path, failure).c_str(), kCaption,
                    MB_OK | MB_ICONERROR);
        return false;
    }
    SaveFolder() = path.substr(0, path.find_last_of("\\/") + 1);
    const std::string saved =
        "Pracovní list je uložený v souboru\r\n" + path + "\r\n\r\nOtevřít ho?";
    if (MessageBoxA(dialog, saved.c_str(), kCaption, MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        ShellExecuteA(dialog, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    return true;
}

INT_PTR CALLBACK WorksheetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetUpChoices(dialog, {10, 20, 30, 40}, Remembered());
        Own().SetUp(dialog);
        return TRUE;
    case WM_NOTIFY:
        Own().Notify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Remembered() = ChosenChoices(dialog);
            if (LOWORD(wParam) == IDCANCEL || Save(dialog)) {
                EndDialog(dialog, LOWORD(wParam));
            }
        } else {
            KindClicked(dialog, LOWORD(wParam));
            Own().Command(dialog, LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void RunWorksheetDialog(HWND owner) {
    DialogBoxParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_WORKSHEET), owner, WorksheetDialogProc,
                    0);
}

practice::SaveFailure SaveFailureOf(const std::string& path, base::WriteStep step, DWORD error) {
    const bool denied = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
    switch (step) {
    case base::WriteStep::Temporary:
        // The folder: the file at the path, if any, was not even tried.
        if (error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH ||
            error == ERROR_BAD_NET_NAME) {
            return practice::SaveFailure::MissingFolder;
        }
        return denied ? practice::SaveFailure::FolderNotWritable : practice::SaveFailure::Other;
    case base::WriteStep::Replace:
        if (denied || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
            error == ERROR_UNABLE_TO_REMOVE_REPLACED) {
            const DWORD attributes = GetFileAttributesA(path.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
                       ? practice::SaveFailure::ReadOnlyOrOpen
                       : practice::SaveFailure::Other;
        }
        return practice::SaveFailure::Other;
    default:
        return practice::SaveFailure::Other;
    }
}

} // namespace dialogs
