#include "dialogs/TestResultsDialog.h"

#include "app/Globals.h"
#include "base/Owners.h"
#include "base/ScaledFont.h"
#include "base/WholeFile.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/FormulaText.h"
#include "dialogs/WorksheetDialog.h"
#include "practice/CompoundList.h"
#include "practice/FileLines.h"
#include "practice/ResultsView.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dialogs {
namespace {

const char* const kCaption = "Výsledky testu";
const char kCsvFilter[] = "Tabulky CSV (*.csv)\0*.csv\0Všechny soubory (*.*)\0*.*\0";
const char kRtfFilter[] = "Dokumenty RTF (*.rtf)\0*.rtf\0Všechny soubory (*.*)\0*.*\0";

// The table's columns in dialog units, in the order of practice::Column.
constexpr int kColumnWidths[practice::kColumnCount] = {96, 34, 36, 36, 28, 60, 42, 50, 28};

// How a control follows the dialog's size: the share (in per cent) of the
// change in width and height that moves each of its edges. The table takes
// half of the extra height, the questions a third, the unreadable files the rest.
struct Anchor {
    int id;
    int left, top, right, bottom;
};
constexpr Anchor kAnchors[] = {
    {IDC_RESULTS_TITLE, 0, 0, 100, 0},
    {IDC_RESULTS_ABOUT, 0, 0, 100, 0},
    {IDC_RESULTS_STATE, 0, 0, 100, 0},
    {IDC_RESULTS_TABLE_LABEL, 0, 0, 100, 0},
    {IDC_RESULTS_TABLE, 0, 0, 100, 50},
    {IDC_RESULTS_QUESTIONS_LABEL, 0, 50, 100, 50},
    {IDC_RESULTS_QUESTIONS, 0, 50, 100, 85},
    {IDC_RESULTS_UNREADABLE_LABEL, 0, 85, 100, 85},
    {IDC_RESULTS_UNREADABLE, 0, 85, 100, 100},
    {IDC_RESULTS_REFRESH, 0, 100, 0, 100},
    {IDC_RESULTS_SAVE_CSV, 0, 100, 0, 100},
    {IDC_RESULTS_SAVE_RTF, 0, 100, 0, 100},
    {IDCANCEL, 100, 100, 100, 100},
};

struct Layout {
    SIZE base = {};    // the client area the rectangles belong to
    SIZE minimum = {}; // the smallest window: as the template made it
    RECT rects[std::size(kAnchors)] = {};
};

// What the dialog shows; lives on the stack of RunTestResultsDialog.
struct Results {
    std::string path;   // the test file
    std::string folder; // its results
    practice::ClassTest test;
    bool folderFound = false;
    practice::ClassOverview overview; // rows in the order shown
    int sortColumn = -1;              // none yet: by start
    bool ascending = true;
    base::ScaledFont titleFont;
    Layout layout;
};

// The folder the Save dialog opens in: Documents at first (the program's own
// folder is seldom writable), then the last folder saved to.
std::string& SaveFolder() {
    static std::string folder = DocumentsFolder();
    return folder;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of("\\/") + 1);
}

practice::OpenFailure FailureOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return practice::OpenFailure::NotFound;
    case ERROR_ACCESS_DENIED:
        return practice::OpenFailure::Denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return practice::OpenFailure::InUse;
    default:
        return practice::OpenFailure::Other;
    }
}

// At most `limit` bytes of the file; the reason as a sentence when it cannot
// be read. A pupil's program may be rewriting the file: it may replace it
// while it is read here, and what is read is then the old file whole.
bool ReadAtMost(const std::string& path, std::string& bytes, std::string& reason) {
    if (base::ReadWholeFile(path, practice::kMaxFileBytes, bytes)) {
        return true;
    }
    const DWORD error = GetLastError();
    reason = practice::OpenFailureText(FailureOf(error), error);
    return false;
}

// Every file of the folder as read, in Czech order of their names, and the
// ones that could not be read with their reasons. Folders, the leftovers of
// a pupil's write cut short and the files Windows keeps for itself
// (Thumbs.db, desktop.ini) are no results and are left out.
struct FolderReading {
    std::vector<practice::FolderFile> files;
    std::vector<practice::UnreadableFile> failed;
};
FolderReading ReadFolder(const std::string& folder) {
    FolderReading reading;
    WIN32_FIND_DATAA found = {};
    base::FindOwner find(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!find) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES) {
            const auto failure = FailureOf(error) == practice::OpenFailure::Denied
                                     ? practice::OpenFailure::Denied
                                     : practice::OpenFailure::Other;
            reading.failed.push_back({folder, practice::OpenFailureText(failure, error)});
        }
        return reading;
    }
    std::vector<std::string> names;
    do {
        const DWORD windows = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            (found.dwFileAttributes & windows) != windows &&
            !practice::IsLeftoverOfWrite(found.cFileName)) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(find.Get(), &found));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return practice::CompareCzech(a, b) < 0;
    });
    for (const std::string& name : names) {
        std::string bytes;
        std::string reason;
        if (ReadAtMost(folder + "\\" + name, bytes, reason)) {
            reading.files.push_back({name, std::move(bytes)});
        } else {
            reading.failed.push_back({name, reason});
        }
    }
    return reading;
}

bool FolderExists(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        // Not there; any other failure is said when the folder is listed.
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

HWND Table(HWND dialog) {
    return GetDlgItem(dialog, IDC_RESULTS_TABLE);
}

void SetUpTable(HWND dialog) {
    HWND table = Table(dialog);
    SendMessageA(table, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP,
                 LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    for (int i = 0; i < practice::kColumnCount; ++i) {
        const practice::Column column = practice::ColumnAt(i);
        RECT width = {0, 0, kColumnWidths[i], 0};
        MapDialogRect(dialog, &width);
        std::string heading = practice::ColumnHeading(column);
        LVCOLUMNA item = {};
        item.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        item.fmt = practice::NumericColumn(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        item.cx = width.right;
        item.pszText = heading.data();
        item.iSubItem = i;
        SendMessageA(table, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&item));
    }
}

// The arrow in the header of the column the table is sorted by.
void ShowSortArrow(HWND dialog, const Results& state) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(Table(dialog), LVM_GETHEADER, 0, 0));
    for (int i = 0; i < practice::kColumnCount; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == state.sortColumn) {
            item.fmt |= state.ascending ? HDF_SORTUP : HDF_SORTDOWN;
        }
        SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void FillTable(HWND dialog, const Results& state) {
    HWND table = Table(dialog);
    SendMessageA(table, WM_SETREDRAW, FALSE, 0);
    SendMessageA(table, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < state.overview.rows.size(); ++row) {
        std::vector<std::string> cells = practice::RowCells(state.overview.rows[row]);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = cells[0].data();
        const auto at = static_cast<int>(
            SendMessageA(table, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (int i = 1; i < practice::kColumnCount; ++i) {
            LVITEMA cell = {};
            cell.iSubItem = i;
            cell.pszText = cells[static_cast<std::size_t>(i)].data();
            SendMessageA(table, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageA(table, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(table, nullptr, TRUE);
    ShowSortArrow(dialog, state);
}

void Show(HWND dialog, const Results& state) {
    SetDlgItemTextA(dialog, IDC_RESULTS_TITLE, state.test.title.c_str());
    SetDlgItemTextA(dialog, IDC_RESULTS_ABOUT, practice::TestAboutText(state.test).c_str());
    SetDlgItemTextA(
        dialog, IDC_RESULTS_STATE,
        practice::FolderStateText(state.overview, state.folderFound, state.folder).c_str());
    FillTable(dialog, state);
    SetFormulaText(GetDlgItem(dialog, IDC_RESULTS_QUESTIONS),
                   practice::QuestionsText(state.overview));
    SetDlgItemTextA(dialog, IDC_RESULTS_UNREADABLE,
                    practice::UnreadableText(state.overview).c_str());
}

// Reads the folder (again) and shows it, in the order last chosen.
void Load(HWND dialog, Results& state) {
    const HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    state.folderFound = FolderExists(state.folder);
    FolderReading reading;
    if (state.folderFound) {
        reading = ReadFolder(state.folder);
    }
    state.overview = practice::ReadClassResults(state.test, reading.files);
    auto& unreadable = state.overview.unreadable;
    unreadable.insert(unreadable.end(), reading.failed.begin(), reading.failed.end());
    std::stable_sort(unreadable.begin(), unreadable.end(),
                     [](const practice::UnreadableFile& a, const practice::UnreadableFile& b) {
                         return practice::CompareCzech(a.file, b.file) < 0;
                     });
    if (state.sortColumn >= 0) {
        practice::SortRows(state.overview.rows, practice::ColumnAt(state.sortColumn),
                           state.ascending);
    }
    Show(dialog, state);
    SetCursor(previous);
}

void SortBy(HWND dialog, Results& state, int column) {
    state.ascending = column == state.sortColumn ? !state.ascending : true;
    state.sortColumn = column;
    practice::SortRows(state.overview.rows, practice::ColumnAt(column), state.ascending);
    FillTable(dialog, state);
}

// What is saved: the table as CSV or the overview as RTF.
struct Saved {
    bool table;
    const char* filter;
    const char* extension;
    const char* failed; // "Tabulku", as the box names it
    const char* done;   // the box's first words, before the path
    const char* open;   // and its question
};
constexpr Saved kTable = {
    true, kCsvFilter, ".csv", "Tabulku", "Tabulka je uložená v souboru", "Otevřít ji?"};
constexpr Saved kOverview = {
    false, kRtfFilter, ".rtf", "Přehled", "Přehled je uložený v souboru", "Otevřít ho?"};

void Save(HWND dialog, const Results& state, const Saved& saved) {
    const std::string path =
        ChooseSaveFile(dialog, kCaption, {saved.filter, saved.extension},
                       practice::ResultsFileName(state.test.title, saved.extension), SaveFolder());
    if (path.empty()) {
        return;
    }
    const std::string bytes = saved.table ? practice::ResultsCsv(state.overview.rows)
                                          : practice::ResultsRtf(state.test, state.overview);
    base::WriteStep step = base::WriteStep::None;
    if (!base::WriteWholeFile(path, bytes, &step)) {
        const practice::SaveFailure failure = SaveFailureOf(path, step, GetLastError());
        MessageBoxA(dialog, practice::ResultsSaveFailedText(saved.failed, path, failure).c_str(),
                    kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    SaveFolder() = FolderOf(path);
    const std::string text = std::string(saved.done) + "\r\n" + path + "\r\n\r\n" + saved.open;
    if (MessageBoxA(dialog, text.c_str(), kCaption, MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        ShellExecuteA(dialog, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

// Takes the controls' places at the dialog's present size as the ones to
// move from.
void CaptureLayout(HWND dialog, Layout& layout) {
    RECT client = {};
    GetClientRect(dialog, &client);
    layout.base = {client.right, client.bottom};
    for (std::size_t i = 0; i < std::size(kAnchors); ++i) {
        RECT& rect = layout.rects[i];
        GetWindowRect(GetDlgItem(dialog, kAnchors[i].id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    }
}

void Arrange(HWND dialog, const Layout& layout, int width, int height) {
    const int dx = width - layout.base.cx;
    const int dy = height - layout.base.cy;
    HDWP positions = BeginDeferWindowPos(static_cast<int>(std::size(kAnchors)));
    for (std::size_t i = 0; i < std::size(kAnchors) && positions != nullptr; ++i) {
        const Anchor& anchor = kAnchors[i];
        const RECT& rect = layout.rects[i];
        const int left = rect.left + dx * anchor.left / 100;
        const int top = rect.top + dy * anchor.top / 100;
        const int right = rect.right + dx * anchor.right / 100;
        const int bottom = rect.bottom + dy * anchor.bottom / 100;
        positions = DeferWindowPos(positions, GetDlgItem(dialog, anchor.id), nullptr, left, top,
                                   right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (positions != nullptr) {
        EndDeferWindowPos(positions);
    }
    InvalidateRect(dialog, nullptr, TRUE);
}

void Open(HWND dialog, Results& state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    Emphasise(dialog, GetDlgItem(dialog, IDC_RESULTS_TITLE), state.titleFont, kTitleScale);
    SetUpTable(dialog);
    CaptureLayout(dialog, state.layout);
    RECT window = {};
    GetWindowRect(dialog, &window);
    state.layout.minimum = {window.right - window.left, window.bottom - window.top};
    Load(dialog, state);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Table(dialog)), TRUE);
}

INT_PTR CALLBACK TestResultsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<Results*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        Open(dialog, *reinterpret_cast<Results*>(lParam));
        return FALSE; // the focus is set
    case WM_DPICHANGED:
        base::RescaleFontsLater(dialog, wParam);
        return FALSE; // the dialog manager scales the layout and sets every control's font
    case base::kFontsForDpi:
        if (state != nullptr) {
            const UINT before = base::WindowDpi(dialog);
            state->titleFont.Rescale(static_cast<UINT>(wParam));
            CaptureLayout(dialog, state->layout);
            SIZE& minimum = state->layout.minimum;
            minimum = {MulDiv(minimum.cx, static_cast<int>(wParam), static_cast<int>(before)),
                       MulDiv(minimum.cy, static_cast<int>(wParam), static_cast<int>(before))};
        }
        return TRUE;
    case WM_GETMINMAXINFO:
        if (state != nullptr) {
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {state->layout.minimum.cx,
                                                                     state->layout.minimum.cy};
        }
        return TRUE;
    case WM_SIZE:
        if (state != nullptr && wParam != SIZE_MINIMIZED) {
            Arrange(dialog, state->layout, LOWORD(lParam), HIWORD(lParam));
        }
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (state != nullptr && header->idFrom == IDC_RESULTS_TABLE &&
            header->code == LVN_COLUMNCLICK) {
            SortBy(dialog, *state, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (state == nullptr) {
            return FALSE;
        }
        switch (LOWORD(wParam)) {
        case IDC_RESULTS_REFRESH:
            Load(dialog, *state);
            return TRUE;
        case IDC_RESULTS_SAVE_CSV:
            Save(dialog, *state, kTable);
            return TRUE;
        case IDC_RESULTS_SAVE_RTF:
            Save(dialog, *state, kOverview);
            return TRUE;
        case IDOK: // Enter in the table closes nothing
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

void RunTestResultsDialog(HWND owner) {
    Results state;
    state.path = ChooseTestFile(owner, "Otevřít test");
    if (state.path.empty()) {
        return;
    }
    std::string bytes;
    std::string fault;
    if (ReadAtMost(state.path, bytes, fault)) {
        practice::TestReading reading = practice::ReadTestFile(bytes, practice::ListedCompounds());
        fault = reading.fault;
        state.test = std::move(reading.test);
    }
    if (!fault.empty()) {
        MessageBoxA(owner, practice::TestOpenFailedText(state.path, fault).c_str(), kCaption,
                    MB_OK | MB_ICONERROR);
        return;
    }
    state.folder = practice::ResultsFolder(state.path);
    DialogBoxParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_TEST_RESULTS), owner,
                    TestResultsDialogProc, reinterpret_cast<LPARAM>(&state));
}

} // namespace dialogs
