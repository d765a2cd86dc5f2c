#include "dialogs/PracticeChoices.h"

#include "resources/resource.h"

#include <string>

namespace dialogs {

void SetUpChoices(HWND dialog, std::initializer_list<int> counts, int chosen) {
    CheckRadioButton(dialog, IDC_DIRECTION_TO_NAME, IDC_DIRECTION_MIXED, IDC_DIRECTION_TO_NAME);
    CheckRadioButton(dialog, IDC_LEVEL_PRIMARY, IDC_LEVEL_SECONDARY, IDC_LEVEL_PRIMARY);
    CheckDlgButton(dialog, IDC_KIND_OXIDES, BST_CHECKED);
    for (const int count : counts) {
        const LRESULT index =
            SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(std::to_string(count).c_str()));
        SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_SETITEMDATA, index, count);
        if (count == chosen) {
            SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_SETCURSEL, index, 0);
        }
    }
}

practice::Direction ChosenDirection(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_DIRECTION_TO_FORMULA) == BST_CHECKED) {
        return practice::Direction::NameToFormula;
    }
    if (IsDlgButtonChecked(dialog, IDC_DIRECTION_MIXED) == BST_CHECKED) {
        return practice::Direction::Mixed;
    }
    return practice::Direction::FormulaToName;
}

HWND ChosenDirectionButton(HWND dialog) {
    for (const int id : {IDC_DIRECTION_TO_FORMULA, IDC_DIRECTION_MIXED}) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) {
            return GetDlgItem(dialog, id);
        }
    }
    return GetDlgItem(dialog, IDC_DIRECTION_TO_NAME);
}

int ChosenCount(HWND dialog) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_GETCURSEL, 0, 0);
    return static_cast<int>(
        SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_GETITEMDATA, index, 0));
}

uint32_t NewSeed() {
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    return static_cast<uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 32)) ^
           GetCurrentProcessId();
}

practice::Selection ChosenSelection(HWND dialog) {
    practice::Selection selection;
    selection.kinds.clear();
    const auto kinds = practice::Kinds();
    for (const practice::Kind kind : kinds) {
        if (IsDlgButtonChecked(dialog, IDC_KIND_OXIDES + static_cast<int>(kind)) == BST_CHECKED) {
            selection.kinds.push_back(kind);
        }
    }
    selection.level = IsDlgButtonChecked(dialog, IDC_LEVEL_SECONDARY) == BST_CHECKED
                          ? practice::Level::Secondary
                          : practice::Level::Primary;
    return selection;
}

bool KindChosen(HWND dialog, const char* caption, const char* request) {
    if (!ChosenSelection(dialog).kinds.empty()) {
        return true;
    }
    MessageBoxA(dialog, request, caption, MB_OK | MB_ICONINFORMATION);
    SendMessageA(dialog, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_KIND_OXIDES)), TRUE);
    return false;
}

std::vector<practice::Question> DrawChosenRound(HWND dialog, const char* caption,
                                                const char* what) {
    const practice::Selection selection = ChosenSelection(dialog);
    const auto groups = practice::Groups(selection, practice::ListedCompounds());
    const std::string shortfall =
        practice::ShortfallText(groups, ChosenCount(dialog), selection.level, what);
    if (!shortfall.empty()) {
        MessageBoxA(dialog, shortfall.c_str(), caption, MB_OK | MB_ICONINFORMATION);
    }
    return practice::DrawRound(groups, ChosenCount(dialog), ChosenDirection(dialog), NewSeed());
}

} // namespace dialogs
