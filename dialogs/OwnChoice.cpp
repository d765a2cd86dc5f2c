#include "dialogs/OwnChoice.h"

#include "dialogs/PracticeChoices.h"
#include "practice/Selection.h"
#include "practice/TestFile.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>

namespace dialogs {
namespace {

std::string KeyOf(const practice::Compound& compound) {
    return std::string(practice::KindKey(compound.kind)) + "\t" + compound.formula;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

void SetCheck(HWND list, int index, bool checked) {
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void Say(HWND dialog, const std::string& text, const char* caption, int focus) {
    MessageBoxA(dialog, text.c_str(), caption, MB_OK | MB_ICONINFORMATION);
    if (focus != 0) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, focus)),
                     TRUE);
    }
}

} // namespace

void OwnChoice::SetUp(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_OWN_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client = {};
    GetClientRect(list, &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, "Vzorec", width * 2 / 5);
    AddColumn(list, 1, "Název", width - width * 2 / 5);
    CheckDlgButton(dialog, IDC_OWN_CHOICE, on_ ? BST_CHECKED : BST_UNCHECKED);
    for (const int id : {IDC_OWN_FILTER, IDC_OWN_LIST, IDC_OWN_CHOSEN}) {
        EnableWindow(GetDlgItem(dialog, id), on_);
    }
    Fill(dialog);
}

void OwnChoice::Command(HWND dialog, int id, int code) {
    if (id == IDC_OWN_CHOICE && code == BN_CLICKED) {
        on_ = IsDlgButtonChecked(dialog, IDC_OWN_CHOICE) == BST_CHECKED;
        for (const int control : {IDC_OWN_FILTER, IDC_OWN_LIST, IDC_OWN_CHOSEN}) {
            EnableWindow(GetDlgItem(dialog, control), on_);
        }
    } else if (id == IDC_OWN_FILTER && code == EN_CHANGE) {
        Fill(dialog);
    } else if (code == BN_CLICKED &&
               ((id >= IDC_KIND_OXIDES && id < IDC_KIND_OXIDES + practice::kKindCount) ||
                id == IDC_KIND_ALL || id == IDC_LEVEL_PRIMARY || id == IDC_LEVEL_SECONDARY)) {
        Fill(dialog);
    }
}

void OwnChoice::Notify(HWND dialog, const NMHDR& header) {
    if (header.idFrom != IDC_OWN_LIST || header.code != LVN_ITEMCHANGED || filling_) {
        return;
    }
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const auto index = static_cast<std::size_t>(change.iItem);
    if (!(change.uChanged & LVIF_STATE) ||
        !((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) || change.iItem < 0 ||
        index >= shown_.size()) {
        return;
    }
    const std::string key = KeyOf(shown_[index]);
    if ((change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2)) {
        ticked_.insert(key);
    } else {
        ticked_.erase(key);
    }
    ShowChosen(dialog);
}

std::optional<std::vector<std::vector<practice::Question>>>
OwnChoice::Groups(HWND dialog, const char* caption, const char* what, int count) const {
    if (!KindChosen(dialog, caption, "Zaškrtněte aspoň jednu skupinu sloučenin, třeba oxidy.")) {
        return std::nullopt;
    }
    const practice::Selection selection = ChosenChoices(dialog).selection;
    if (!on_) {
        auto groups = practice::Groups(selection, practice::ListedCompounds());
        const std::string shortfall = practice::ShortfallText(groups, count, selection.level, what);
        if (!shortfall.empty()) {
            Say(dialog, shortfall, caption, 0);
        }
        return groups;
    }
    const std::vector<practice::Compound> chosen = Chosen(dialog);
    if (chosen.empty()) {
        Say(dialog,
            "Zaškrtněte v seznamu sloučeniny, na které se má ptát, nebo zrušte vlastní výběr.",
            caption, IDC_OWN_LIST);
        return std::nullopt;
    }
    const std::string shortfall =
        practice::ChoiceShortfallText(static_cast<int>(chosen.size()), count, what);
    if (!shortfall.empty()) {
        Say(dialog, shortfall, caption, 0);
    }
    return practice::GroupsOf(chosen);
}

std::vector<practice::Compound> OwnChoice::Chosen(HWND dialog) const {
    std::vector<practice::Compound> chosen = practice::CompoundsToChoose(
        ChosenChoices(dialog).selection, "", practice::ListedCompounds());
    chosen.erase(std::remove_if(chosen.begin(), chosen.end(),
                                [&](const practice::Compound& compound) {
                                    return ticked_.count(KeyOf(compound)) == 0;
                                }),
                 chosen.end());
    return chosen;
}

void OwnChoice::Fill(HWND dialog) {
    shown_ = practice::CompoundsToChoose(ChosenChoices(dialog).selection,
                                         TextOf(GetDlgItem(dialog, IDC_OWN_FILTER)),
                                         practice::ListedCompounds());
    HWND list = GetDlgItem(dialog, IDC_OWN_LIST);
    filling_ = true;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(shown_[i].formula.c_str());
        const auto index = static_cast<int>(
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(shown_[i].Name().c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        SetCheck(list, index, ticked_.count(KeyOf(shown_[i])) > 0);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    filling_ = false;
    ShowChosen(dialog);
}

void OwnChoice::ShowChosen(HWND dialog) const {
    SetDlgItemTextA(dialog, IDC_OWN_CHOSEN,
                    practice::ChosenText(static_cast<int>(Chosen(dialog).size())).c_str());
}

} // namespace dialogs
