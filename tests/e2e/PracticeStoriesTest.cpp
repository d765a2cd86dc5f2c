// A pupil's round of practice and a teacher's worksheet, with the real
// zemit.exe driven from this second process.
#include "Driver.h"

#include "practice/Answers.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <cstring>

#include <map>

using e2e::Program;
using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

// The practice dialog, used as a pupil uses it.
struct Pupil {
    HWND dialog;

    std::string Text(int id) const { return WindowText(GetDlgItem(dialog, id)); }
    void Click(int id) const { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // Types the answer, sends it with Enter or the button and waits for the verdict.
    std::string Answer(const Program& program, const std::string& answer, bool enter) const {
        HWND field = GetDlgItem(dialog, IDC_PRACTICE_ANSWER);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
        SetDlgItemTextA(dialog, IDC_PRACTICE_VERDICT, "");
        if (enter) {
            program.Key(field, VK_RETURN);
        } else {
            Click(IDC_PRACTICE_SUBMIT);
        }
        std::string verdict;
        WaitUntil([&] { return !(verdict = Text(IDC_PRACTICE_VERDICT)).empty(); });
        return verdict;
    }
    bool Shows(int id, const std::string& text) const {
        return WaitUntil([&] { return Text(id) == text; });
    }
};

// The names of the oxides a primary-school class practises.
std::map<std::string, std::string> NamesByFormula() {
    std::map<std::string, std::string> names;
    const auto oxides = practice::ParseOxideList(practice::OxideListText()).oxides;
    for (const auto& oxide : practice::AtLevel(oxides, practice::Level::Primary)) {
        names[oxide.formula] = oxide.name;
    }
    return names;
}

// Presses Enter `times` times, then Tab: once the focus has moved to `next`,
// every Enter has been handled (key strokes are handled in order).
bool EnterThenTab(const Program& p, HWND dialog, int times, int next) {
    for (int i = 0; i < times; ++i) {
        p.Key(dialog, VK_RETURN);
    }
    p.Key(dialog, VK_TAB);
    return WaitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(p.thread(), &info) && info.hwndFocus == GetDlgItem(dialog, next);
    });
}

void SelectCount(HWND dialog, const wchar_t* count) {
    SendMessageW(GetDlgItem(dialog, IDC_QUESTION_COUNT), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(count));
}

TEST(PracticeStory, ARoundOfFiveWithOneMistakeThenTheMistakeAgain) {
    const auto names = NamesByFormula();
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_PRACTICE);
    const Pupil pupil{p.WaitForDialog("Procvičování")};
    ASSERT_NE(pupil.dialog, nullptr);
    EXPECT_EQ(GetWindow(pupil.dialog, GW_OWNER), p.main());
    EXPECT_FALSE(IsWindowEnabled(p.main()));
    SelectCount(pupil.dialog, L"5");
    pupil.Click(IDC_PRACTICE_START);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 5, správně 0"));

    std::string missed;
    for (int i = 0; i < 5; ++i) {
        const std::string formula = pupil.Text(IDC_PRACTICE_PROMPT);
        ASSERT_EQ(names.count(formula), 1u) << formula << " is no primary-school oxide";
        const std::string& name = names.at(formula);
        if (i == 1) {
            EXPECT_EQ(pupil.Answer(p, "oxid nesprávný", false),
                      formula + ": špatně, správně je " + name + ".\r\n" +
                          practice::Explanation({formula, name}, practice::Ask::Name));
            missed = formula;
            // A new round now would lose two answers: asked, the pupil keeps this one.
            pupil.Click(IDC_PRACTICE_START);
            const e2e::Box box = p.WaitForBox();
            EXPECT_EQ(box.text, "Kolo ještě neskončilo. Chceš začít nové? Odpovědi z tohoto kola "
                                "se nezapočítají.");
            p.Answer(box, IDNO);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box.window); }));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Otázka 3 z 5, správně 1");
            continue;
        }
        if (i == 2) { // the picture in the README: a verdict and the next answer typed
            SetDlgItemTextA(pupil.dialog, IDC_PRACTICE_ANSWER, name.c_str());
            testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("practice"));
        }
        if (i == 4) { // the last answer with a double Enter: the score stays
            SetDlgItemTextA(pupil.dialog, IDC_PRACTICE_ANSWER, name.c_str());
            EXPECT_TRUE(EnterThenTab(p, pupil.dialog, 2, IDC_LEVEL_PRIMARY));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_VERDICT), formula + ": správně.");
            break;
        }
        EXPECT_EQ(pupil.Answer(p, name, i == 0), formula + ": správně.");
        if (i == 0) { // a second Enter on the empty field keeps the verdict
            EXPECT_TRUE(EnterThenTab(p, pupil.dialog, 1, IDC_PRACTICE_SUBMIT));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_VERDICT), formula + ": správně.");
        }
    }
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Konec kola, správně 4");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_SCORE), "Výsledek: 4 z 5");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES),
              missed + ": odpověď „oxid nesprávný“, správně " + names.at(missed));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pupil.dialog, IDC_PRACTICE_ANSWER)));
    testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("practice-end"));

    pupil.Click(IDC_PRACTICE_REDO);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 1, správně 0"));
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROMPT), missed);
    EXPECT_EQ(pupil.Answer(p, names.at(missed), true), missed + ": správně.");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_SCORE), "Výsledek: 1 z 1");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pupil.dialog, IDC_PRACTICE_REDO)));

    p.Key(pupil.dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pupil.dialog); }));
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

// The user's Documents folder moved elsewhere for as long as this lives.
class DocumentsFolder {
  public:
    explicit DocumentsFolder(const std::string& folder) {
        RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExA(key_, "Personal", nullptr, &type_, reinterpret_cast<BYTE*>(old_),
                                &size) == ERROR_SUCCESS;
        Set(REG_EXPAND_SZ, folder.c_str(), folder.size() + 1);
    }
    ~DocumentsFolder() {
        if (had_) {
            Set(type_, old_, std::strlen(old_) + 1);
        } else {
            RegDeleteValueA(key_, "Personal");
        }
        RegCloseKey(key_);
    }
    DocumentsFolder(const DocumentsFolder&) = delete;
    DocumentsFolder& operator=(const DocumentsFolder&) = delete;

  private:
    static constexpr const char* kShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    void Set(DWORD type, const char* value, size_t size) {
        RegSetValueExA(key_, "Personal", 0, type, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(size));
    }
    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    char old_[MAX_PATH] = {};
    bool had_ = false;
};

TEST(PracticeStory, AWorksheetSavedThroughTheSaveDialog) {
    // Named "8.A" only, the worksheet goes into the folder where the Save
    // dialog opens, Documents (here a folder of the test's own), as "8.A.rtf".
    const testsupport::TempFolder documents("worksheet-documents");
    const DocumentsFolder moved(documents.path());
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_WORKSHEET);
    HWND dialog = p.WaitForDialog("Pracovní list");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), p.main());
    SelectCount(dialog, L"10");
    PostMessageA(GetDlgItem(dialog, IDC_DIRECTION_TO_FORMULA), BM_CLICK, 0, 0);
    testsupport::SaveScreenshot(dialog, testsupport::ScreenshotPath("worksheet"));
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    HWND save = p.WaitForDialog("Uložit jako");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), dialog);
    testsupport::AnswerFileDialog("8.A")(save);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // Ten questions asking for formulas, each again in the key after the page break.
    EXPECT_EQ(testsupport::FolderEntries(documents.path()), std::vector<std::string>{"8.A.rtf"});
    const std::string rtf = testsupport::ReadFileBytes(documents / "8.A.rtf");
    const size_t page = rtf.find("\\page");
    EXPECT_LT(rtf.find("10.\\tab oxid "), page);
    EXPECT_EQ(rtf.find("11.\\tab "), std::string::npos);
    EXPECT_NE(rtf.find("10.\\tab oxid ", page), std::string::npos);
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

} // namespace
