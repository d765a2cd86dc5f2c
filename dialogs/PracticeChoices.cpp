#include "dialogs/PracticeChoices.h"

#include "resources/resource.h"

#include <algorithm>
#include <string>

namespace dialogs {
namespace {

// The kinds' check boxes follow IDC_KIND_OXIDES in the order of practice::Kind;
// "všechny" stands past them.
static_assert(IDC_KIND_HYDROGEN_SALTS ==
              IDC_KIND_OXIDES + static_cast<int>(practice::Kind::HydrogenSalt));
static_assert(IDC_KIND_COMPLEXES == IDC_KIND_OXIDES + static_cast<int>(practice::Kind::Complex));
static_assert(IDC_KIND_TRIVIAL == IDC_KIND_OXIDES + static_cast<int>(practice::Kind::Trivial));
static_assert(IDC_KIND_TRIVIAL + 1 == IDC_KIND_OXIDES + practice::kKindCount);
static_assert(IDC_KIND_ALL >= IDC_KIND_OXIDES + practice::kKindCount);

constexpr int kDirections[] = {IDC_DIRECTION_TO_NAME, IDC_DIRECTION_TO_FORMULA,
                               IDC_DIRECTION_MIXED};

int KindButton(practice::Kind kind) {
    return IDC_KIND_OXIDES + static_cast<int>(kind);
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// "všechny" is ticked exactly when every kind is.
void ShowAllKinds(HWND dialog) {
    const auto kinds = practice::Kinds();
    Check(dialog, IDC_KIND_ALL, std::all_of(kinds.begin(), kinds.end(), [&](practice::Kind kind) {
              return Checked(dialog, KindButton(kind));
          }));
}

} // namespace

void SetUpChoices(HWND dialog, std::initializer_list<int> counts, const Choices& choices) {
    CheckRadioButton(dialog, IDC_DIRECTION_TO_NAME, IDC_DIRECTION_MIXED,
                     kDirections[static_cast<int>(choices.direction)]);
    CheckRadioButton(dialog, IDC_LEVEL_PRIMARY, IDC_LEVEL_SECONDARY,
                     choices.selection.level == practice::Level::Primary ? IDC_LEVEL_PRIMARY
                                                                         : IDC_LEVEL_SECONDARY);
    for (const practice::Kind kind : practice::Kinds()) {
        const auto& chosen = choices.selection.kinds;
        Check(dialog, KindButton(kind),
              std::find(chosen.begin(), chosen.end(), kind) != chosen.end());
    }
    ShowAllKinds(dialog);
    for (const int count : counts) {
        const LRESULT index =
            SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(std::to_string(count).c_str()));
        SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_SETITEMDATA, index, count);
        if (count == choices.count) {
            SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_SETCURSEL, index, 0);
        }
    }
}

Choices ChosenChoices(HWND dialog) {
    Choices choices;
    for (int i = 0; i < 3; ++i) {
        if (Checked(dialog, kDirections[i])) {
            choices.direction = static_cast<practice::Direction>(i);
        }
    }
    choices.selection.kinds.clear();
    for (const practice::Kind kind : practice::Kinds()) {
        if (Checked(dialog, KindButton(kind))) {
            choices.selection.kinds.push_back(kind);
        }
    }
    choices.selection.level = Checked(dialog, IDC_LEVEL_SECONDARY) ? practice::Level::Secondary
                                                                   : practice::Level::Primary;
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_GETCURSEL, 0, 0);
    choices.count =
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_QUESTION_COUNT, CB_GETITEMDATA, index, 0));
    return choices;
}

uint32_t NewSeed() {
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    return static_cast<uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 32)) ^
           GetCurrentProcessId();
}

bool KindClicked(HWND dialog, int id) {
    if (id == IDC_KIND_ALL) {
        const bool all = Checked(dialog, IDC_KIND_ALL);
        for (const practice::Kind kind : practice::Kinds()) {
            Check(dialog, KindButton(kind), all);
        }
        return true;
    }
    if (id >= IDC_KIND_OXIDES && id < IDC_KIND_OXIDES + practice::kKindCount) {
        ShowAllKinds(dialog);
        return true;
    }
    return false;
}

bool KindChosen(HWND dialog, const char* caption, const char* request) {
    if (!ChosenChoices(dialog).selection.kinds.empty()) {
        return true;
    }
    MessageBoxA(dialog, request, caption, MB_OK | MB_ICONINFORMATION);
    SendMessageA(dialog, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_KIND_OXIDES)), TRUE);
    return false;
}

std::vector<practice::Question> DrawChosenRound(HWND dialog, const char* caption,
                                                const char* what) {
    const Choices choices = ChosenChoices(dialog);
    const auto groups = practice::Groups(choices.selection, practice::ListedCompounds());
    const std::string shortfall =
        practice::ShortfallText(groups, choices.count, choices.selection.level, what);
    if (!shortfall.empty()) {
        MessageBoxA(dialog, shortfall.c_str(), caption, MB_OK | MB_ICONINFORMATION);
    }
    return practice::DrawRound(groups, choices.count, choices.direction, NewSeed());
}

} // namespace dialogs
