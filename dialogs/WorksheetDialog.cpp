#include "dialogs/WorksheetDialog.h"

#include "app/Globals.h"
#include "base/WholeFile.h"
#include "dialogs/PracticeChoices.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include <commdlg.h>

#include <vector>

namespace dialogs {
namespace {

const char* const kCaption = "Pracovní list";
const char kFilter[] = "Dokumenty RTF (*.rtf)\0*.rtf\0Všechny soubory (*.*)\0*.*\0";

// The file name the teacher chooses; empty when the Save dialog was cancelled.
std::string ChooseFile(HWND dialog) {
    std::vector<char> path(MAX_PATH, '\0');
    const std::string suggested = "pracovni-list.rtf";
    suggested.copy(path.data(), suggested.size());
    OPENFILENAMEA save = {};
    save.lStructSize = sizeof save;
    save.hwndOwner = dialog;
    save.lpstrFilter = kFilter;
    save.nFilterIndex = 1;
    save.lpstrFile = path.data();
    save.nMaxFile = static_cast<DWORD>(path.size());
    save.lpstrDefExt = "rtf";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&save)) {
        return "";
    }
    return practice::WithRtfExtension(path.data());
}

// Draws the worksheet and saves it; false when the teacher cancelled.
bool Save(HWND dialog) {
    const std::string path = ChooseFile(dialog);
    if (path.empty()) {
        return false;
    }
    const auto oxides = practice::ParseOxideList(practice::OxideListText()).oxides;
    const auto questions =
        practice::DrawRound(oxides, ChosenCount(dialog), ChosenDirection(dialog), NewSeed());
    if (!base::WriteWholeFile(path, practice::WorksheetRtf(questions))) {
        MessageBoxA(dialog, practice::SaveFailedText(path).c_str(), kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

INT_PTR CALLBACK WorksheetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetUpChoices(dialog, {10, 20, 30}, 20);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && Save(dialog)) {
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
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

} // namespace dialogs
