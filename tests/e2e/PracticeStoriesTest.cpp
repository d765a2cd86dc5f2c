// A pupil's round of practice and a teacher's worksheet, with the real
// zemit.exe driven from this second process.
#include "Driver.h"

#include "practice/Explanations.h"
#include "practice/Selection.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <cstring>

#include <map>
#include <set>

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

// Every question a primary-school class may be asked, of every kind, by formula.
std::map<std::string, practice::Question> QuestionsByFormula() {
    practice::Selection all;
    all.kinds = practice::Kinds();
    std::map<std::string, practice::Question> questions;
    for (const auto& group : practice::Groups(all, practice::ListedCompounds())) {
        for (const practice::Question& question : group) {
            questions.emplace(question.compound.formula, question);
        }
    }
    return questions;
}

// Ticks every kind of compound besides the oxides, which are ticked already.
void ChooseAllKinds(HWND dialog) {
    for (int id = IDC_KIND_HYDROXIDES; id <= IDC_KIND_SALTS; ++id) {
        SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
    }
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

TEST(PracticeStory, ARoundOfEveryKindWithOneMistakeThenTheMistakeAgain) {
    const auto questions = QuestionsByFormula();
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_PRACTICE);
    const Pupil pupil{p.WaitForDialog("Procvičování")};
    ASSERT_NE(pupil.dialog, nullptr);
    EXPECT_EQ(GetWindow(pupil.dialog, GW_OWNER), p.main());
    EXPECT_FALSE(IsWindowEnabled(p.main()));
    EXPECT_EQ(IsDlgButtonChecked(pupil.dialog, IDC_KIND_OXIDES), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(pupil.dialog, IDC_KIND_SALTS), BST_UNCHECKED);
    ChooseAllKinds(pupil.dialog);
    SelectCount(pupil.dialog, L"10");
    pupil.Click(IDC_PRACTICE_START);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 10, správně 0"));

    std::string missed;
    std::set<std::string> tasks;
    for (int i = 0; i < 10; ++i) {
        const std::string formula = pupil.Text(IDC_PRACTICE_PROMPT);
        ASSERT_EQ(questions.count(formula), 1u) << formula << " is not for primary school";
        const practice::Question& question = questions.at(formula);
        const std::string& name = question.compound.Name();
        tasks.insert(pupil.Text(IDC_PRACTICE_TASK));
        if (i == 1) {
            EXPECT_EQ(pupil.Answer(p, "oxid nesprávný", false),
                      formula + ": špatně, správně je " + name + ".\r\n" +
                          practice::Explanation(question));
            missed = formula;
            // A new round now would lose two answers: asked, the pupil keeps this one.
            pupil.Click(IDC_PRACTICE_START);
            const e2e::Box box = p.WaitForBox();
            EXPECT_EQ(box.text, "Kolo ještě neskončilo. Chceš začít nové? Odpovědi z tohoto kola "
                                "se nezapočítají.");
            p.Answer(box, IDNO);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box.window); }));
            // Esc asks the same before closing; No keeps the dialog and the round.
            p.Key(pupil.dialog, VK_ESCAPE);
            const e2e::Box closing = p.WaitForBox();
            EXPECT_EQ(closing.text, "Kolo ještě neskončilo. Chceš procvičování zavřít? Odpovědi "
                                    "z tohoto kola se nezapočítají.");
            p.Answer(closing, IDNO);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(closing.window); }));
            EXPECT_TRUE(IsWindow(pupil.dialog));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Otázka 3 z 10, správně 1");
            continue;
        }
        if (i == 2) { // the picture in the README: a verdict and the next answer typed
            SetDlgItemTextA(pupil.dialog, IDC_PRACTICE_ANSWER, name.c_str());
            testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("practice"));
        }
        if (i == 9) { // the last answer with a double Enter: the score stays
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
    // Ten questions of eight kinds: every kind once at least (the acids share a task).
    EXPECT_EQ(tasks.size(), 7u);
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Konec kola, správně 9");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_SCORE), "Výsledek: 9 z 10");
    const std::string& missedName = questions.at(missed).compound.Name();
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES),
              missed + ": odpověď „oxid nesprávný“, správně " + missedName);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pupil.dialog, IDC_PRACTICE_ANSWER)));
    testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("practice-end"));

    pupil.Click(IDC_PRACTICE_REDO);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 1, správně 0"));
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROMPT), missed);
    EXPECT_EQ(pupil.Answer(p, questions.at(missed).compound.Name(), true), missed + ": správně.");
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
    SelectCount(dialog, L"20");
    ChooseAllKinds(dialog);
    PostMessageA(GetDlgItem(dialog, IDC_DIRECTION_TO_FORMULA), BM_CLICK, 0, 0);
    testsupport::SaveScreenshot(dialog, testsupport::ScreenshotPath("worksheet"));
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    HWND save = p.WaitForDialog("Uložit jako");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), dialog);
    testsupport::AnswerFileDialog("8.A")(save);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // Twenty questions of every kind asking for formulas, each again in the key
    // after the page break; the title names every kind.
    EXPECT_EQ(testsupport::FolderEntries(documents.path()), std::vector<std::string>{"8.A.rtf"});
    const std::string rtf = testsupport::ReadFileBytes(documents / "8.A.rtf");
    const size_t page = rtf.find("\\page");
    EXPECT_LT(rtf.find(practice::RtfText(
                  "Pracovní list: názvosloví oxidů, hydroxidů, halogenidů, sulfidů, peroxidů, "
                  "bezkyslíkatých kyselin, kyslíkatých kyselin a solí kyslíkatých kyselin")),
              page);
    EXPECT_LT(rtf.find("20.\\tab "), page);
    EXPECT_EQ(rtf.find("21.\\tab "), std::string::npos);
    EXPECT_NE(rtf.find("20.\\tab ", page), std::string::npos);
    EXPECT_NE(rtf.find("\\tab kyselina ", page), std::string::npos);
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

} // namespace
