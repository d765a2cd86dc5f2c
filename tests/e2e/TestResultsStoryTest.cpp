// The teacher's overview of a class test, with the real zemit.exe driven from
// this second process: the test opened through the menu and the Open dialog,
// results coming in during the lesson, the table sorted by its headers and
// saved through the Save dialog.
#include "Driver.h"

#include "practice/ResultsView.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using e2e::Program;
using namespace practice;
using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

// The cells of a list view of another process, read through a buffer in that
// process's memory (the control's messages carry pointers).
class RemoteTable {
  public:
    RemoteTable(HWND list, DWORD pid)
        : list_(list), process_(OpenProcess(
                           PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)),
          memory_(VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteTable() {
        VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteTable(const RemoteTable&) = delete;
    RemoteTable& operator=(const RemoteTable&) = delete;

    std::vector<std::vector<std::string>> Rows() const {
        std::vector<std::vector<std::string>> rows;
        const auto count = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            rows.emplace_back();
            for (int column = 0; column < kColumnCount; ++column) {
                LVITEMA item = {};
                item.iSubItem = column;
                rows.back().push_back(Text(LVM_GETITEMTEXTA, row, item));
            }
        }
        return rows;
    }
    std::string Heading(int column) const {
        LVCOLUMNA item = {};
        item.mask = LVCF_TEXT;
        return Text(LVM_GETCOLUMNA, column, item);
    }
    // Clicks a column's header, as the teacher does.
    void ClickHeading(int column) const {
        HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
        int x = 0;
        for (int i = 0; i < column; ++i) {
            x += static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, i, 0));
        }
        x += static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, column, 0)) / 2;
        PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    }

  private:
    static constexpr SIZE_T kSize = 4096;
    // Sends `message` with `item` (its text pointing past it in the buffer).
    template <class Item> std::string Text(UINT message, int index, Item item) const {
        char* text = static_cast<char*>(memory_) + sizeof item;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(kSize - sizeof item);
        std::vector<char> read(kSize - sizeof item, '\0');
        WriteProcessMemory(process_, memory_, &item, sizeof item, nullptr);
        SendMessageA(list_, message, index, reinterpret_cast<LPARAM>(memory_));
        ReadProcessMemory(process_, text, read.data(), read.size() - 1, nullptr);
        return read.data();
    }

    HWND list_;
    HANDLE process_;
    void* memory_;
};

// A pupil's attempt as the pupil's program writes it: `right` answers right
// from the first, then one wrong one, the rest unanswered.
std::string ResultFile(const ClassTest& test, const std::string& name, const std::string& className,
                       int variant, int right, Moment start, const Moment* handIn) {
    Attempt attempt =
        StartAttempt(test, variant, {name, className, "zak", "UCEBNA-07"}, start, "1.0.0.2");
    for (int i = 0; i <= right && i < static_cast<int>(attempt.answers.size()); ++i) {
        const std::string& answer = test.variants[variant][i].compound.Name();
        RecordAnswer(attempt, test, i, i < right ? answer : "oxid chybný");
    }
    if (handIn != nullptr) {
        HandIn(attempt, *handIn);
    }
    return AttemptFileText(attempt);
}

std::vector<std::vector<std::string>> Cells(const std::vector<ResultRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const ResultRow& row : rows) {
        cells.push_back(RowCells(row));
    }
    return cells;
}

std::vector<std::string> Names(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) {
        names.push_back(row[0] + " " + row[8]);
    }
    return names;
}

// Saves through a button and the Save dialog; the name the dialog proposed.
std::string SaveAs(const Program& p, HWND dialog, int button, const std::string& path) {
    PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    HWND save = p.WaitForDialog("Uložit jako");
    if (save == nullptr) {
        return "(no Save dialog)";
    }
    EXPECT_EQ(GetWindow(save, GW_OWNER), dialog);
    const std::string proposed = WindowText(GetDlgItem(save, 0x47C));
    testsupport::AnswerFileDialog(path)(save);
    return proposed;
}

TEST(TestResultsStory, TheClassOverviewAsResultsComeInSortedAndSaved) {
    ClassTest test;
    test.id = TestId(0x5eed);
    test.title = "Oxidy – 8.A";
    test.variants =
        DrawVariants(Groups(test.selection, ListedCompounds()), 4, Direction::FormulaToName, 2, 11);
    ASSERT_EQ(TestFault(test), "");
    const testsupport::TempFolder folder("test-results");
    const std::string testPath = folder / "Oxidy 8.A.zemtest";
    ASSERT_TRUE(testsupport::WriteFileBytes(testPath, TestFileText(test)));
    const std::string results = ResultsFolder(testPath);

    // Before the first pupil starts there is no folder: no results yet.
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_TEST_RESULTS);
    HWND open = p.WaitForDialog("Otevřít test");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(GetWindow(open, GW_OWNER), p.main());
    testsupport::AnswerFileDialog(testPath)(open);
    HWND dialog = p.WaitForDialog("Výsledky testu");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), p.main());
    EXPECT_FALSE(IsWindowEnabled(p.main()));
    const auto text = [&](int id) { return WindowText(GetDlgItem(dialog, id)); };
    EXPECT_EQ(text(IDC_RESULTS_TITLE), "Oxidy – 8.A");
    EXPECT_EQ(text(IDC_RESULTS_ABOUT), TestAboutText(test));
    EXPECT_EQ(text(IDC_RESULTS_STATE), "Výsledky zatím nejsou: složka „" + results +
                                           "“ ještě neexistuje. Založí ji program prvního "
                                           "žáka, který test spustí.");
    const RemoteTable table(GetDlgItem(dialog, IDC_RESULTS_TABLE), p.pid());
    EXPECT_TRUE(table.Rows().empty());
    EXPECT_EQ(table.Heading(7), "Stav");

    // The lesson goes on: three pupils, one still writing, one a second time,
    // and files that are no results of this test.
    const Moment janEnd = {2026, 3, 12, 8, 17, 0};
    const Moment petrEnd = {2026, 3, 12, 8, 26, 10};
    const Moment againEnd = {2026, 3, 12, 9, 9, 0};
    ClassTest other = test;
    other.id = TestId(0xbeef);
    const std::string jan =
        ResultFile(test, "Jan Novák", "8.A", 0, 4, {2026, 3, 12, 8, 5, 0}, &janEnd);
    std::vector<FolderFile> files = {
        {"Eva Černá 8.A.txt",
         ResultFile(test, "Eva Černá", "8.A", 1, 2, {2026, 3, 12, 8, 4, 30}, nullptr)},
        {"Jan Novák 8.A (2).txt",
         ResultFile(test, "Jan Novák", "8.A", 1, 3, {2026, 3, 12, 9, 0, 0}, &againEnd)},
        {"Jan Novák 8.A.txt", jan},
        {"jiný test.txt",
         ResultFile(other, "Petr Dvořák", "8.B", 0, 1, {2026, 3, 11, 8, 0, 0}, &petrEnd)},
        {"Petr Dvořák 8.A.txt",
         ResultFile(test, "Petr Dvořák", "8.A", 0, 1, {2026, 3, 12, 8, 6, 0}, &petrEnd)},
        {"poznámky.txt", "Nezapomenout na písemku z kyselin."},
        {"rozbitý.txt", jan.substr(0, jan.size() / 2)},
    };
    ASSERT_TRUE(CreateDirectoryA(results.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((results + "\\staré").c_str(), nullptr));
    for (const FolderFile& file : files) {
        ASSERT_TRUE(testsupport::WriteFileBytes(results + "\\" + file.name, file.bytes));
    }
    ASSERT_TRUE(testsupport::WriteFileBytes(results + "\\Eva Černá 8.A.txt~", "cut short"));
    PostMessageA(GetDlgItem(dialog, IDC_RESULTS_REFRESH), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return table.Rows().size() == 4; }));

    // The rows by their start, each as the core reads its file.
    const ClassOverview read = ReadClassResults(test, files);
    EXPECT_EQ(table.Rows(), Cells(read.rows));
    EXPECT_EQ(Names(table.Rows()), (std::vector<std::string>{"Eva Černá 1", "Jan Novák 1",
                                                             "Petr Dvořák 1", "Jan Novák 2"}));
    EXPECT_EQ(table.Rows()[0][7], "rozpracováno");
    EXPECT_EQ(table.Rows()[1][5], "1 výborně");
    EXPECT_EQ(table.Rows()[1][6], "12");
    EXPECT_EQ(text(IDC_RESULTS_STATE),
              "Ve složce „" + results + "“: pokusů celkem 4, odevzdáno 3, rozpracováno 1.");
    EXPECT_EQ(text(IDC_RESULTS_UNREADABLE), UnreadableText(read));
    EXPECT_EQ(read.unreadable.size(), 3u) << "another test's, not a result, cut short";
    EXPECT_NE(text(IDC_RESULTS_UNREADABLE).find("rozbitý.txt: Soubor je neúplný"),
              std::string::npos);
    EXPECT_EQ(text(IDC_RESULTS_QUESTIONS), QuestionsText(read));

    // A click on "Jméno" sorts by name, on "Body" by points, once more the other way round.
    table.ClickHeading(0);
    EXPECT_TRUE(WaitUntil([&] { return table.Rows()[0][0] == "Eva Černá"; }));
    std::vector<ResultRow> sorted = read.rows;
    SortRows(sorted, Column::Name, true);
    EXPECT_EQ(table.Rows(), Cells(sorted));
    table.ClickHeading(3);
    SortRows(sorted, Column::Points, true);
    EXPECT_TRUE(WaitUntil([&] { return table.Rows() == Cells(sorted); }));
    table.ClickHeading(3);
    SortRows(sorted, Column::Points, false);
    EXPECT_TRUE(WaitUntil([&] { return table.Rows() == Cells(sorted); }));
    EXPECT_EQ(Names(table.Rows()), (std::vector<std::string>{"Jan Novák 1", "Jan Novák 2",
                                                             "Eva Černá 1", "Petr Dvořák 1"}));

    // Larger, the table and the boxes below it grow and the buttons go down.
    RECT before = {};
    GetWindowRect(GetDlgItem(dialog, IDC_RESULTS_TABLE), &before);
    RECT window = {};
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + 60,
                 window.bottom - window.top + 80, SWP_NOMOVE | SWP_NOZORDER);
    RECT after = {};
    GetWindowRect(GetDlgItem(dialog, IDC_RESULTS_TABLE), &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left + 60);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 40);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    testsupport::SaveScreenshot(dialog, testsupport::ScreenshotPath("test-results"));

    // The table as CSV in the order shown, and the overview as RTF.
    EXPECT_EQ(SaveAs(p, dialog, IDC_RESULTS_SAVE_CSV, folder / "tabulka"),
              "Oxidy – 8.A – výsledky.csv");
    const e2e::Box savedTable = p.WaitForBox();
    EXPECT_EQ(savedTable.text, "Tabulka je uložená v souboru\r\n" + (folder / "tabulka.csv") +
                                   "\r\n\r\nOtevřít ji?");
    p.Answer(savedTable, IDNO);
    EXPECT_EQ(testsupport::ReadFileBytes(folder / "tabulka.csv"), ResultsCsv(sorted));
    EXPECT_EQ(SaveAs(p, dialog, IDC_RESULTS_SAVE_RTF, folder / "přehled.rtf"),
              "Oxidy – 8.A – výsledky.rtf");
    const e2e::Box savedOverview = p.WaitForBox();
    EXPECT_EQ(savedOverview.text, "Přehled je uložený v souboru\r\n" + (folder / "přehled.rtf") +
                                      "\r\n\r\nOtevřít ho?");
    p.Answer(savedOverview, IDNO);
    ClassOverview shown = read;
    shown.rows = sorted;
    EXPECT_EQ(testsupport::ReadFileBytes(folder / "přehled.rtf"), ResultsRtf(test, shown));

    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

} // namespace
