#include "dialogs/WorksheetDialog.h"

#include "app/Globals.h"
#include "base/WholeFile.h"
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
const char kFilter[] = "Dokumenty RTF (*.rtf)\0*.rtf\0Všechny soubory (*.*)\0*.*\0";

// Where the Save dialog opens: the Documents folder at first (the program's
// own folder is seldom writable), then the folder of the last worksheet.
std::string& SaveFolder() {
    static std::string folder = [] {
        std::vector<char> documents(MAX_PATH, '\0');
        return SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT,
                                          documents.data()))
                   ? std::string(documents.data())
                   : std::string();
    }();
    return folder;
}

// The file name the teacher chooses for the sheet; empty when the Save dialog
// was cancelled or an existing file that the dialog did not name is not to be
// replaced. The dialog proposes a name from what the sheet covers and the date.
std::string ChooseFile(HWND dialog, const std::vector<practice::Question>& questions) {
    std::vector<char> path(MAX_PATH, '\0');
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    const std::string suggested =
        practice::WorksheetFileName(questions, today.wYear, today.wMonth, today.wDay);
    suggested.copy(path.data(), std::min(suggested.size(), path.size() - 1));
    OPENFILENAMEA save = {};
    save.lStructSize = sizeof save;
    save.hwndOwner = dialog;
    save.lpstrFilter = kFilter;
    save.nFilterIndex = 1;
    save.lpstrFile = path.data();
    save.nMaxFile = static_cast<DWORD>(path.size());
    save.lpstrInitialDir = SaveFolder().empty() ? nullptr : SaveFolder().c_str();
    save.lpstrDefExt = "rtf";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&save)) {
        return "";
    }
    const std::string chosen = practice::WithRtfExtension(path.data());
    if (chosen != path.data() && GetFileAttributesA(chosen.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::string question = chosen + " už existuje.\r\nNahradit ho?";
        if (MessageBoxA(dialog, question.c_str(), kCaption,
                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            return "";
        }
    }
    return chosen;
}

// Draws the worksheet and saves it, then says where and offers to open it;
// false when the teacher cancelled or it could not be saved.
bool Save(HWND dialog) {
    if (!KindChosen(dialog, kCaption, "Zaškrtněte aspoň jednu skupinu sloučenin, třeba oxidy.")) {
        return false;
    }
    const auto questions = DrawChosenRound(dialog, kCaption, "pracovní list");
    const std::string path = ChooseFile(dialog, questions);
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

INT_PTR CALLBACK WorksheetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetUpChoices(dialog, {10, 20, 30, 40}, Remembered());
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Remembered() = ChosenChoices(dialog);
            if (LOWORD(wParam) == IDCANCEL || Save(dialog)) {
                EndDialog(dialog, LOWORD(wParam));
            }
        } else {
            KindClicked(dialog, LOWORD(wParam));
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
