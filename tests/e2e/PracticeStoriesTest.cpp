// A pupil's round of practice and a teacher's worksheet, with the real
// zemit.exe driven from this second process.
#include "Driver.h"

#include "practice/FormulaReader.h"
#include "practice/Round.h"
#include "practice/Selection.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// Every question of every kind a class at the level may be asked, by what the
// dialog shows: the task and the prompt ("Napiš triviální název: CaO").
using Questions = std::map<std::string, practice::Question>;
Questions QuestionsShown(practice::Ask ask, practice::Level level = practice::Level::Primary) {
    practice::Selection all;
    all.kinds = practice::Kinds();
    all.level = level;
    Questions questions;
    for (const auto& group : practice::Groups(all, practice::ListedCompounds())) {
        for (practice::Question question : group) {
            question.ask = ask;
            const practice::Round round({question});
            questions.emplace(round.TaskText() + " " + round.PromptText(), question);
        }
    }
    return questions;
}

// The verdict the core gives this answer.
std::string VerdictOf(const practice::Question& question, const std::string& answer) {
    return practice::Round({question}).Answer(answer).text;
}

// Ticks every kind of compound with "všechny".
bool ChooseAllKinds(HWND dialog) {
    PostMessageA(GetDlgItem(dialog, IDC_KIND_ALL), BM_CLICK, 0, 0);
    return WaitUntil([&] { return IsDlgButtonChecked(dialog, IDC_KIND_TRIVIAL) == BST_CHECKED; });
}

// The button that Enter presses.
int DefaultButton(HWND dialog) {
    return LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0));
}

// Presses Enter `times` times, then Tab: once the focus has moved to `next`,
// every Enter has been handled (key strokes are handled in order).
// The control with the keyboard focus in the program.
HWND Focused(const Program& p) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(p.thread(), &info) ? info.hwndFocus : nullptr;
}

bool EnterThenTab(const Program& p, HWND dialog, int times, int next) {
    for (int i = 0; i < times; ++i) {
        p.Key(dialog, VK_RETURN);
    }
    p.Key(dialog, VK_TAB);
    return WaitUntil([&] { return Focused(p) == GetDlgItem(dialog, next); });
}

void SelectCount(HWND dialog, const wchar_t* count) {
    SendMessageW(GetDlgItem(dialog, IDC_QUESTION_COUNT), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(count));
}

TEST(PracticeStory, ARoundOfEveryKindWithOneMistakeThenTheMistakeAgain) {
    const auto questions = QuestionsShown(practice::Ask::Name);
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_PRACTICE);
    const Pupil pupil{p.WaitForDialog("Procvičování")};
    ASSERT_NE(pupil.dialog, nullptr);
    EXPECT_EQ(GetWindow(pupil.dialog, GW_OWNER), p.main());
    EXPECT_FALSE(IsWindowEnabled(p.main()));
    EXPECT_EQ(IsDlgButtonChecked(pupil.dialog, IDC_KIND_OXIDES), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(pupil.dialog, IDC_KIND_SALTS), BST_UNCHECKED);
    ASSERT_TRUE(ChooseAllKinds(pupil.dialog));
    SelectCount(pupil.dialog, L"10");
    pupil.Click(IDC_PRACTICE_START);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 10, správně 0"));

    std::string missed;
    std::string missedVerdict;
    std::set<std::string> tasks;
    for (int i = 0; i < 10; ++i) {
        const std::string formula = pupil.Text(IDC_PRACTICE_PROMPT);
        const std::string shown = pupil.Text(IDC_PRACTICE_TASK) + " " + formula;
        ASSERT_EQ(questions.count(shown), 1u) << shown << " is not for primary school";
        const practice::Question& question = questions.at(shown);
        const std::string& name = question.compound.Name();
        const std::string right = VerdictOf(question, name);
        tasks.insert(pupil.Text(IDC_PRACTICE_TASK));
        if (i == 1) {
            missedVerdict = VerdictOf(question, "oxid nesprávný");
            EXPECT_EQ(pupil.Answer(p, "oxid nesprávný", false), missedVerdict);
            missed = shown;
            // After a click on "Odpovědět" the answer box has the focus again.
            EXPECT_TRUE(WaitUntil(
                [&] { return Focused(p) == GetDlgItem(pupil.dialog, IDC_PRACTICE_ANSWER); }));
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
        if (i == 9) {
            // The last answer with a double Enter and letters typed by reflex: the
            // score, the mistakes and the choices stay.
            SetDlgItemTextA(pupil.dialog, IDC_PRACTICE_ANSWER, name.c_str());
            for (const WORD key : {WORD(VK_RETURN), WORD(VK_RETURN), WORD('S'), WORD('O')}) {
                p.Key(pupil.dialog, key);
            }
            EXPECT_TRUE(EnterThenTab(p, pupil.dialog, 0, IDC_PRACTICE_MISTAKES));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_VERDICT), right);
            EXPECT_EQ(IsDlgButtonChecked(pupil.dialog, IDC_LEVEL_PRIMARY), BST_CHECKED);
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_ANSWER), "");
            break;
        }
        EXPECT_EQ(pupil.Answer(p, name, i == 0), right);
        if (i == 0) { // an empty answer says so above the last verdict
            EXPECT_TRUE(EnterThenTab(p, pupil.dialog, 1, IDC_PRACTICE_SUBMIT));
            EXPECT_EQ(pupil.Text(IDC_PRACTICE_VERDICT), "Napiš odpověď.\r\n" + right);
        }
    }
    // Ten questions of eleven kinds: ten kinds once each (the acids share a task).
    EXPECT_GE(tasks.size(), 9u);
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Výsledek: 9 z 10 (90 %)");
    const practice::Question& missedQuestion = questions.at(missed);
    const std::string& missedName = missedQuestion.compound.Name();
    const std::string& missedFormula = missedQuestion.compound.formula;
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES),
              missedFormula + ": odpověď „oxid nesprávný“, správně " + missedName);
    testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("practice-end"));
    // Enter on a mistake shows its explanation again.
    p.Key(pupil.dialog, VK_RETURN);
    EXPECT_TRUE(pupil.Shows(IDC_PRACTICE_VERDICT, missedVerdict));

    // Back in the answer box, a deliberate Enter (after the pause, when the
    // mistakes are the visible default) practises the mistakes.
    PostMessageA(pupil.dialog, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(pupil.dialog, IDC_PRACTICE_ANSWER)), TRUE);
    ASSERT_TRUE(WaitUntil([&] { return DefaultButton(pupil.dialog) == IDC_PRACTICE_REDO; }));
    p.Key(pupil.dialog, VK_RETURN);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 1, správně 0"));
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_TASK) + " " + pupil.Text(IDC_PRACTICE_PROMPT), missed);
    EXPECT_EQ(pupil.Answer(p, missedName, true), VerdictOf(missedQuestion, missedName));
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Výsledek: 1 z 1 (100 %)");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pupil.dialog, IDC_PRACTICE_REDO)));
    EXPECT_TRUE(WaitUntil([&] { return DefaultButton(pupil.dialog) == IDC_PRACTICE_START; }));

    p.Key(pupil.dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pupil.dialog); }));
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    // Opened again, the dialog has the choices of last time.
    p.Command(IDM_PRACTICE);
    HWND again = p.WaitForDialog("Procvičování");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(again, IDC_KIND_SALTS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(again, IDC_KIND_ALL), BST_CHECKED);
    p.Key(again, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(again); }));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

// A secondary-school round of twenty formulas with every kind ticked, the
// complexes with their brackets too: all right is full marks, and a
// hydrate's dot may be typed as "*".
TEST(PracticeStory, EveryKindAllRightWithTheHydratesTypedWithAStar) {
    const auto questions = QuestionsShown(practice::Ask::Formula, practice::Level::Secondary);
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_PRACTICE);
    const Pupil pupil{p.WaitForDialog("Procvičování")};
    ASSERT_NE(pupil.dialog, nullptr);
    ASSERT_TRUE(ChooseAllKinds(pupil.dialog));
    pupil.Click(IDC_LEVEL_SECONDARY);
    pupil.Click(IDC_DIRECTION_TO_FORMULA);
    SelectCount(pupil.dialog, L"20");
    pupil.Click(IDC_PRACTICE_START);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 20, správně 0"));
    std::set<practice::Kind> kinds;
    int starred = 0;
    for (int i = 0; i < 20; ++i) {
        const std::string shown =
            pupil.Text(IDC_PRACTICE_TASK) + " " + pupil.Text(IDC_PRACTICE_PROMPT);
        ASSERT_EQ(questions.count(shown), 1u) << shown;
        const practice::Question& question = questions.at(shown);
        kinds.insert(question.compound.kind);
        std::string typed = question.compound.formula;
        const std::size_t dot = typed.find(practice::kHydrateDot);
        if (dot != std::string::npos) {
            typed[dot] = '*';
            ++starred;
        }
        EXPECT_EQ(pupil.Answer(p, typed, true), VerdictOf(question, question.compound.formula));
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(practice::kKindCount));
    EXPECT_GE(starred, 1);
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Výsledek: 20 z 20 (100 %)");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES), "");
    p.Key(pupil.dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pupil.dialog); }));
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

// A secondary-school round of complexes alone, names asked: the first name
// with ammin typed with "amin" gets its hint, the rest typed right.
TEST(PracticeStory, ComplexesNamedWithAminForAmminGetTheHint) {
    const auto questions = QuestionsShown(practice::Ask::Name, practice::Level::Secondary);
    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    p.Command(IDM_PRACTICE);
    const Pupil pupil{p.WaitForDialog("Procvičování")};
    ASSERT_NE(pupil.dialog, nullptr);
    pupil.Click(IDC_KIND_OXIDES); // ticked at first
    pupil.Click(IDC_KIND_COMPLEXES);
    pupil.Click(IDC_LEVEL_SECONDARY);
    SelectCount(pupil.dialog, L"20");
    pupil.Click(IDC_PRACTICE_START);
    ASSERT_TRUE(pupil.Shows(IDC_PRACTICE_PROGRESS, "Otázka 1 z 20, správně 0"));
    std::string mistake;
    for (int i = 0; i < 20; ++i) {
        const std::string shown =
            pupil.Text(IDC_PRACTICE_TASK) + " " + pupil.Text(IDC_PRACTICE_PROMPT);
        ASSERT_EQ(questions.count(shown), 1u) << shown;
        const practice::Question& question = questions.at(shown);
        ASSERT_EQ(question.compound.kind, practice::Kind::Complex) << shown;
        std::string typed = question.compound.Name();
        const std::size_t ammin = typed.find("ammin");
        if (mistake.empty() && ammin != std::string::npos) {
            typed.erase(ammin + 2, 1);
            mistake = question.compound.formula + ": odpověď „" + typed + "“, správně " +
                      question.compound.Name();
            const std::string verdict = pupil.Answer(p, typed, true);
            EXPECT_EQ(verdict, VerdictOf(question, typed));
            EXPECT_NE(verdict.find("Ligand NH3 se jmenuje ammin, se dvěma m"), std::string::npos)
                << verdict;
            continue;
        }
        EXPECT_EQ(pupil.Answer(p, typed, true), VerdictOf(question, typed));
    }
    ASSERT_FALSE(mistake.empty()) << "twenty of the list's complexes, none with ammin";
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_PROGRESS), "Výsledek: 19 z 20 (95 %)");
    EXPECT_EQ(pupil.Text(IDC_PRACTICE_MISTAKES), mistake);
    p.Key(pupil.dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pupil.dialog); }));
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
    ASSERT_TRUE(ChooseAllKinds(dialog));
    PostMessageA(GetDlgItem(dialog, IDC_DIRECTION_TO_FORMULA), BM_CLICK, 0, 0);
    testsupport::SaveScreenshot(dialog, testsupport::ScreenshotPath("worksheet"));
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    HWND save = p.WaitForDialog("Uložit jako");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), dialog);
    // The name proposed says what the sheet covers and when it was made.
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
    EXPECT_EQ(WindowText(GetDlgItem(save, 0x47C)), "list sloučeniny " + std::string(date) + ".rtf");
    testsupport::AnswerFileDialog("8.A")(save);
    const e2e::Box saved = p.WaitForBox();
    EXPECT_EQ(saved.text, "Pracovní list je uložený v souboru\r\n" + (documents / "8.A.rtf") +
                              "\r\n\r\nOtevřít ho?");
    p.Answer(saved, IDNO);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // Twenty questions of every kind asking for formulas, each again in the key
    // after the page break; the line under the title names every kind.
    EXPECT_EQ(testsupport::FolderEntries(documents.path()), std::vector<std::string>{"8.A.rtf"});
    const std::string rtf = testsupport::ReadFileBytes(documents / "8.A.rtf");
    const size_t page = rtf.find("\\page");
    EXPECT_LT(rtf.find(practice::RtfText(
                  "Oxidy, hydroxidy, halogenidy, sulfidy, peroxidy, bezkyslíkaté kyseliny, "
                  "kyslíkaté kyseliny, soli kyslíkatých kyselin, hydrogensoli, hydráty a "
                  "triviální názvy.")),
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
