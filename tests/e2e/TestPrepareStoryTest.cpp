// A teacher prepares a class test of the compounds of the lesson, with the
// real zemit.exe driven from this second process.
#include "Driver.h"

#include "practice/Selection.h"
#include "practice/TestFile.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>

using e2e::Program;
using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

HWND Focused(const Program& p) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(p.thread(), &info) ? info.hwndFocus : nullptr;
}

struct Teacher {
    const Program& p;
    HWND dialog;

    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    void Type(int id, const std::string& text) const {
        SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Click(int id) const { PostMessageA(Item(id), BM_CLICK, 0, 0); }
    int Listed() const {
        return static_cast<int>(SendMessageA(Item(IDC_OWN_LIST), LVM_GETITEMCOUNT, 0, 0));
    }
    // Ticks rows of the list from the keyboard, as a teacher does with Space.
    void Tick(std::initializer_list<int> rows) const {
        PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_OWN_LIST)), TRUE);
        ASSERT_TRUE(WaitUntil([&] { return Focused(p) == Item(IDC_OWN_LIST); }));
        p.Key(dialog, VK_HOME);
        int at = 0;
        for (const int row : rows) {
            for (; at < row; ++at) {
                p.Key(dialog, VK_DOWN);
            }
            p.Key(dialog, VK_SPACE);
        }
    }
    bool Shows(int id, const std::string& text) const {
        return WaitUntil([&] { return Text(id) == text; });
    }
};

TEST(TestPrepareStory, OwnChoiceInTwoVariantsSavedWithTheirWorksheets) {
    const testsupport::TempFolder folder("test-prepare");
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_TEST_PREPARE);
    const Teacher teacher{p, p.WaitForDialog("Připravit test")};
    ASSERT_NE(teacher.dialog, nullptr);
    EXPECT_EQ(GetWindow(teacher.dialog, GW_OWNER), p.main());
    EXPECT_EQ(teacher.Text(IDC_TEST_MARK1) + " " + teacher.Text(IDC_TEST_MARK2) + " " +
                  teacher.Text(IDC_TEST_MARK3) + " " + teacher.Text(IDC_TEST_MARK4),
              "90 75 50 30");
    EXPECT_FALSE(IsWindowEnabled(teacher.Item(IDC_TEST_SAVE_SHEETS)));
    EXPECT_FALSE(IsWindowEnabled(teacher.Item(IDC_OWN_LIST)));

    teacher.Type(IDC_TEST_TITLE, "Oxidy – 8.A");
    teacher.Click(IDC_KIND_HYDROXIDES); // the oxides are ticked already
    SendMessageA(teacher.Item(IDC_TEST_VARIANTS), CB_SETCURSEL, 1, 0);
    teacher.Type(IDC_TEST_MINUTES, "20");
    teacher.Click(IDC_OWN_CHOICE);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(teacher.Item(IDC_OWN_LIST)) != FALSE; }));

    // Iron, then copper: the ticks stay while the filter changes.
    const practice::Selection selection{{practice::Kind::Oxide, practice::Kind::Hydroxide},
                                        practice::Level::Primary};
    const auto& listed = practice::ListedCompounds();
    const auto iron = practice::CompoundsToChoose(selection, "zelez", listed);
    const auto copper = practice::CompoundsToChoose(selection, "med", listed);
    ASSERT_GE(iron.size(), 3u);
    ASSERT_GE(copper.size(), 1u);
    teacher.Type(IDC_OWN_FILTER, "zelez");
    ASSERT_TRUE(WaitUntil([&] { return teacher.Listed() == static_cast<int>(iron.size()); }));
    teacher.Tick({0, 2});
    EXPECT_TRUE(teacher.Shows(IDC_OWN_CHOSEN, "Vybráno: 2 sloučeniny"));
    teacher.Type(IDC_OWN_FILTER, "med");
    ASSERT_TRUE(WaitUntil([&] { return teacher.Listed() == static_cast<int>(copper.size()); }));
    teacher.Tick({0});
    EXPECT_TRUE(teacher.Shows(IDC_OWN_CHOSEN, "Vybráno: 3 sloučeniny"));
    teacher.Type(IDC_OWN_FILTER, "");
    EXPECT_TRUE(WaitUntil([&] {
        return teacher.Listed() ==
               static_cast<int>(practice::CompoundsToChoose(selection, "", listed).size());
    }));
    EXPECT_EQ(teacher.Text(IDC_OWN_CHOSEN), "Vybráno: 3 sloučeniny");
    const std::set<std::string> ticked = {iron[0].formula, iron[2].formula, copper[0].formula};
    testsupport::SaveScreenshot(teacher.dialog, testsupport::ScreenshotPath("test-prepare"));

    // Three ticked for twenty questions: said, then the Save dialog.
    teacher.Click(IDC_TEST_SAVE);
    const e2e::Box shortfall = p.WaitForBox();
    EXPECT_EQ(shortfall.text, "Vybrali jste jen 3 sloučeniny: test bude mít 3 otázky místo 20.");
    p.Answer(shortfall);
    HWND save = p.WaitForDialog("Uložit jako");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(save, 0x47C)), "Oxidy – 8.A.zemtest");
    testsupport::AnswerFileDialog(folder / "oxidy")(save);
    const std::string path = folder / "oxidy.zemtest";
    const e2e::Box saved = p.WaitForBox();
    EXPECT_EQ(saved.text, "Test je uložený v souboru\r\n" + path +
                              "\r\n\r\nŽáci ho otevřou v programu Zemit příkazem Procvičování > "
                              "Spustit test... Jejich výsledky budou ve složce\r\n" +
                              folder / "oxidy - výsledky" +
                              "\r\nkterá vznikne, až test spustí první žák.");
    p.Answer(saved);

    const practice::TestReading read =
        practice::ReadTestFile(testsupport::ReadFileBytes(path), listed);
    ASSERT_EQ(read.fault, "");
    EXPECT_EQ(read.test.title, "Oxidy – 8.A");
    EXPECT_EQ(read.test.minutes, 20);
    EXPECT_EQ(read.test.scale, practice::MarkScale{});
    EXPECT_EQ(read.test.selection.kinds, selection.kinds);
    ASSERT_EQ(read.test.variants.size(), 2u);
    for (const auto& variant : read.test.variants) {
        std::set<std::string> asked;
        for (const practice::Question& question : variant) {
            asked.insert(question.compound.formula);
        }
        EXPECT_EQ(asked, ticked);
    }

    // The paper version: a worksheet of each variant beside the test.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(teacher.Item(IDC_TEST_SAVE_SHEETS)); }));
    teacher.Click(IDC_TEST_SAVE_SHEETS);
    const e2e::Box sheets = p.WaitForBox();
    EXPECT_EQ(sheets.text, "Pracovní listy s řešením jsou uložené v souborech\r\n" +
                               (folder / "oxidy - varianta A.rtf") + "\r\n" +
                               (folder / "oxidy - varianta B.rtf"));
    p.Answer(sheets);
    for (const char* variant : {"A", "B"}) {
        const std::string rtf = testsupport::ReadFileBytes(
            folder / ("oxidy - varianta " + std::string(variant) + ".rtf"));
        EXPECT_NE(rtf.find(practice::RtfText("Oxidy – 8.A, varianta " + std::string(variant))),
                  std::string::npos)
            << variant;
    }

    // A scale that rises is refused before anything is saved.
    teacher.Type(IDC_TEST_MARK1, "70");
    teacher.Type(IDC_TEST_MARK2, "80");
    teacher.Click(IDC_TEST_SAVE);
    const e2e::Box scale = p.WaitForBox();
    EXPECT_EQ(scale.text, "Hranice pro známku 2 (80 %) musí být nižší než hranice pro známku 1 "
                          "(70 %).");
    p.Answer(scale);
    EXPECT_TRUE(WaitUntil([&] { return Focused(p) == teacher.Item(IDC_TEST_MARK1); }));
    EXPECT_EQ(testsupport::FolderEntries(folder.path()),
              (std::vector<std::string>{"oxidy - varianta A.rtf", "oxidy - varianta B.rtf",
                                        "oxidy.zemtest"}));

    teacher.Click(IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(teacher.dialog); }));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

} // namespace
