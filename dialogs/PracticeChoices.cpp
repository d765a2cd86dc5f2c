#include "dialogs/PracticeChoices.h"

#include "resources/resource.h"

#include <string>

namespace dialogs {

void SetUpChoices(HWND dialog, std::initializer_list<int> counts, int chosen) {
    CheckRadioButton(dialog, IDC_DIRECTION_TO_NAME, IDC_DIRECTION_MIXED, IDC_DIRECTION_TO_NAME);
    CheckRadioButton(dialog, IDC_LEVEL_PRIMARY, IDC_LEVEL_SECONDARY, IDC_LEVEL_PRIMARY);
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

std::vector<practice::Question> DrawChosenRound(HWND dialog,
                                                const std::vector<practice::Oxide>& oxides) {
    const practice::Level level = IsDlgButtonChecked(dialog, IDC_LEVEL_SECONDARY) == BST_CHECKED
                                      ? practice::Level::Secondary
                                      : practice::Level::Primary;
    return practice::DrawRound(practice::AtLevel(oxides, level), ChosenCount(dialog),
                               ChosenDirection(dialog), NewSeed());
}

} // namespace dialogs
