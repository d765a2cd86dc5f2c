#include "dialogs/TestTakeDialog.h"

#include "app/Globals.h"
#include "app/MainDialogModel.h"
#include "base/ScaledFont.h"
#include "base/WholeFile.h"
#include "dialogs/AttemptStore.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/FormulaText.h"
#include "dialogs/PracticeChoices.h"
#include "practice/FileLines.h"
#include "practice/Round.h"
#include "practice/TestSitting.h"
#include "practice/Text.h"
#include "resources/Version.h"
#include "resources/resource.h"

#include <optional>
#include <string>
#include <vector>

namespace dialogs {
namespace {

const char* const kCaption = "Test";

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockTick = 1000; // ms
constexpr int kLongestName = 60;

constexpr COLORREF kRightColour = RGB(0, 120, 0);
constexpr COLORREF kWrongColour = RGB(190, 0, 0);

// What each phase shows; the title and "Zavřít" stay.
enum class Phase { SignIn, Answering, Result };
constexpr int kSignIn[] = {IDC_TEST_NAME_LABEL, IDC_TEST_PUPIL_NAME, IDC_TEST_CLASS_LABEL,
                           IDC_TEST_PUPIL_CLASS, IDC_TEST_BEGIN};
constexpr int kAnswering[] = {
    IDC_TEST_VARIANT,  IDC_TEST_TIME,         IDC_TEST_PROGRESS,        IDC_TEST_TASK,
    IDC_TEST_PROMPT,   IDC_TEST_ANSWER_LABEL, IDC_TEST_ANSWER,          IDC_TEST_NEXT,
    IDC_TEST_PREVIOUS, IDC_TEST_HAND_IN,      IDC_TEST_QUESTIONS_LABEL, IDC_TEST_QUESTIONS};
constexpr int kResult[] = {IDC_TEST_RESULT, IDC_TEST_REPORT};

// What the dialog works on; lives on the stack of RunTestTakeDialog.
struct Sitting {
    std::string testPath;
    practice::ClassTest test;
    std::optional<practice::Attempt> attempt;
    std::string sharedPath; // the result file in the results folder
    std::string localPath;  // this computer's copy; empty when there is none
    std::size_t current = 0;
    Phase phase = Phase::SignIn;
    bool failureTold = false; // the last save failed and the pupil knows
    base::ScaledFont promptFont;
};

practice::Moment Now() {
    SYSTEMTIME t = {};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string Text(HWND dialog, int id) {
    std::vector<char> buffer(app::kTextBufferSize, '\0');
    GetDlgItemTextA(dialog, id, buffer.data(), app::kTextBufferSize);
    return buffer.data();
}

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void Focus(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

int Ask(HWND dialog, const std::string& text, UINT buttons) {
    return MessageBoxA(dialog, text.c_str(), kCaption, buttons);
}

template <std::size_t N> void ShowAll(HWND dialog, const int (&ids)[N], bool shown) {
    for (const int id : ids) {
        ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
    }
}

void ShowPhase(HWND dialog, Sitting& sitting, Phase phase) {
    sitting.phase = phase;
    ShowAll(dialog, kSignIn, phase == Phase::SignIn);
    ShowAll(dialog, kAnswering, phase == Phase::Answering);
    ShowAll(dialog, kResult, phase == Phase::Result);
    const int button = phase == Phase::SignIn      ? IDC_TEST_BEGIN
                       : phase == Phase::Answering ? IDC_TEST_NEXT
                                                   : IDCANCEL;
    SendMessageA(dialog, DM_SETDEFID, button, 0);
}

practice::Pupil PupilOfDialog(HWND dialog) {
    practice::Pupil pupil;
    pupil.name = Text(dialog, IDC_TEST_PUPIL_NAME);
    pupil.className = Text(dialog, IDC_TEST_PUPIL_CLASS);
    std::vector<char> user(257, '\0');
    DWORD size = static_cast<DWORD>(user.size());
    if (GetUserNameA(user.data(), &size)) {
        pupil.user = user.data();
    }
    std::vector<char> computer(MAX_COMPUTERNAME_LENGTH + 1, '\0');
    size = static_cast<DWORD>(computer.size());
    if (GetComputerNameA(computer.data(), &size)) {
        pupil.computer = computer.data();
    }
    return pupil;
}

// Writes the attempt into the result file and this computer's copy. A failed
// write is said once, until one succeeds again; the answers stay in the
// dialog and go with the next one.
void Save(HWND dialog, Sitting& sitting) {
    const std::string bytes = practice::AttemptFileText(*sitting.attempt);
    const bool kept = !sitting.localPath.empty() &&
                      SaveLocalAttempt(sitting.localPath, sitting.sharedPath, bytes);
    if (RewriteResultFile(sitting.sharedPath, bytes)) {
        sitting.failureTold = false;
        return;
    }
    if (!sitting.failureTold) {
        sitting.failureTold = true;
        Ask(dialog,
            "Odpověď se nepodařilo uložit do souboru\r\n" + sitting.sharedPath + "\r\n\r\n" +
                (kept ? "V tomto počítači uložená je. Řekni to učiteli a piš dál."
                      : "Řekni to hned učiteli."),
            MB_OK | MB_ICONWARNING);
    }
}

// Takes what the answer box holds as the current question's answer and saves
// the attempt when it changed.
void Commit(HWND dialog, Sitting& sitting) {
    if (sitting.phase != Phase::Answering) {
        return;
    }
    const std::string before = sitting.attempt->answers[sitting.current].answer;
    practice::RecordAnswer(*sitting.attempt, sitting.test, sitting.current,
                           Text(dialog, IDC_TEST_ANSWER));
    if (sitting.attempt->answers[sitting.current].answer != before) {
        Save(dialog, sitting);
    }
}

void ShowQuestion(HWND dialog, Sitting& sitting, std::size_t index) {
    const practice::Attempt& attempt = *sitting.attempt;
    sitting.current = index;
    const practice::Round asked({sitting.test.variants[attempt.variant][index]});
    SetText(dialog, IDC_TEST_PROGRESS, practice::SittingProgress(attempt, index));
    SetText(dialog, IDC_TEST_TASK, asked.TaskText());
    SetFormulaText(GetDlgItem(dialog, IDC_TEST_PROMPT), asked.PromptText());
    SetText(dialog, IDC_TEST_ANSWER, attempt.answers[index].answer);
    HWND list = GetDlgItem(dialog, IDC_TEST_QUESTIONS);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < attempt.answers.size(); ++i) {
        const std::string line = practice::QuestionLine(sitting.test, attempt, i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_TEST_PREVIOUS), index > 0);
    EnableWindow(GetDlgItem(dialog, IDC_TEST_NEXT), index + 1 < attempt.answers.size());
    Focus(dialog, IDC_TEST_ANSWER);
    SendDlgItemMessageA(dialog, IDC_TEST_ANSWER, EM_SETSEL, 0, -1);
}

// The verdicts' marks in the report, where a question's verdict starts a line.
std::vector<Mark> ReportMarks(const std::string& report) {
    std::vector<Mark> marks;
    const std::pair<std::string, COLORREF> words[] = {
        {"Správně!", kRightColour}, {"Špatně.", kWrongColour}, {"Bez odpovědi.", kWrongColour}};
    for (const auto& [word, colour] : words) {
        for (std::size_t at = report.find("\n" + word); at != std::string::npos;
             at = report.find("\n" + word, at + 1)) {
            marks.push_back({at + 1, word.size(), colour});
        }
    }
    return marks;
}

void ShowResult(HWND dialog, Sitting& sitting) {
    KillTimer(dialog, kClockTimer);
    SetText(dialog, IDC_TEST_RESULT, practice::ResultSummary(*sitting.attempt));
    const std::string report = practice::AttemptReport(sitting.test, *sitting.attempt);
    SetFormulaText(GetDlgItem(dialog, IDC_TEST_REPORT), report, ReportMarks(report));
    ShowPhase(dialog, sitting, Phase::Result);
    Focus(dialog, IDC_TEST_REPORT);
    SendDlgItemMessageA(dialog, IDC_TEST_REPORT, EM_SETSEL, 0, 0); // read from the top
}

void HandInNow(HWND dialog, Sitting& sitting) {
    practice::HandIn(*sitting.attempt, Now());
    Save(dialog, sitting);
    ShowResult(dialog, sitting);
}

// The clock of a test with a time limit; at 0 the test is handed in as it stands.
void Tick(HWND dialog, Sitting& sitting) {
    if (sitting.phase != Phase::Answering) {
        return;
    }
    const long long left = practice::SecondsLeft(*sitting.attempt, sitting.test, Now());
    SetText(dialog, IDC_TEST_TIME, practice::TimeLeftText(left));
    if (left == 0) {
        Commit(dialog, sitting);
        HandInNow(dialog, sitting);
        Ask(dialog, "Čas vypršel. Test je odevzdaný tak, jak byl vyplněný.",
            MB_OK | MB_ICONINFORMATION);
    }
}

void StartAnswering(HWND dialog, Sitting& sitting, std::size_t index) {
    SetText(dialog, IDC_TEST_VARIANT,
            "Varianta " + practice::VariantName(sitting.attempt->variant));
    ShowPhase(dialog, sitting, Phase::Answering);
    ShowQuestion(dialog, sitting, index);
    if (sitting.test.minutes > 0) {
        SetTimer(dialog, kClockTimer, kClockTick, nullptr);
        Tick(dialog, sitting);
    }
}

// An attempt this computer began at this test under this name and class and
// did not hand in, which the pupil wants to continue.
bool Continued(HWND dialog, Sitting& sitting, const practice::Pupil& pupil) {
    std::string shared;
    std::string bytes;
    if (sitting.localPath.empty() || !LoadLocalAttempt(sitting.localPath, shared, bytes)) {
        return false;
    }
    const practice::AttemptReading read = practice::ReadAttemptFile(bytes);
    if (!read.fault.empty() || !practice::Continues(read.attempt, sitting.test, pupil) ||
        !practice::AttemptMismatch(read.attempt, sitting.test).empty()) {
        return false;
    }
    const practice::Attempt& open = read.attempt;
    const std::size_t answered = open.answers.size() - practice::Unanswered(open);
    if (Ask(dialog,
            "Na tomto počítači je rozpracovaný pokus z " + practice::MomentText(open.start) +
                " (zodpovězeno " + std::to_string(answered) + " z " +
                std::to_string(open.answers.size()) +
                "). Chceš v něm pokračovat?\r\n\r\nKdyž zvolíš Ne, začne nový pokus a ten "
                "rozpracovaný zůstane neodevzdaný.",
            MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    sitting.attempt = open;
    sitting.sharedPath = shared;
    std::size_t first = 0;
    while (first + 1 < open.answers.size() && !open.answers[first].answer.empty()) {
        ++first;
    }
    StartAnswering(dialog, sitting, first);
    return true;
}

void Begin(HWND dialog, Sitting& sitting) {
    const practice::Pupil pupil = PupilOfDialog(dialog);
    const std::string fault = practice::PupilFault(pupil);
    if (!fault.empty()) {
        Ask(dialog, fault, MB_OK | MB_ICONINFORMATION);
        Focus(dialog,
              practice::Folded(pupil.name).empty() ? IDC_TEST_PUPIL_NAME : IDC_TEST_PUPIL_CLASS);
        return;
    }
    const std::string copies = LocalAttemptFolder();
    sitting.localPath =
        copies.empty() ? "" : copies + "\\" + practice::LocalAttemptName(sitting.test, pupil);
    if (Continued(dialog, sitting, pupil)) {
        return;
    }
    const int variants = static_cast<int>(sitting.test.variants.size());
    const int variant = static_cast<int>(NewSeed() % static_cast<uint32_t>(variants));
    sitting.attempt =
        practice::StartAttempt(sitting.test, variant, pupil, Now(), ZEMIT_VERSION_DOTTED);
    const std::string folder = practice::ResultsFolder(sitting.testPath);
    const std::string bytes = practice::AttemptFileText(*sitting.attempt);
    if (!CreateResultFile(folder, practice::ResultFileName(pupil), bytes, sitting.sharedPath)) {
        sitting.attempt.reset();
        Ask(dialog,
            "Výsledek testu nelze uložit do složky\r\n" + folder +
                "\r\n\r\nTest proto nemůže začít. Řekni to učiteli.",
            MB_OK | MB_ICONERROR);
        return;
    }
    if (!sitting.localPath.empty()) {
        SaveLocalAttempt(sitting.localPath, sitting.sharedPath, bytes);
    }
    StartAnswering(dialog, sitting, 0);
}

void Move(HWND dialog, Sitting& sitting, std::size_t to) {
    Commit(dialog, sitting);
    ShowQuestion(dialog, sitting, to);
}

void AskToHandIn(HWND dialog, Sitting& sitting) {
    Commit(dialog, sitting);
    const std::string question = practice::HandInQuestion(*sitting.attempt);
    if (!question.empty() &&
        Ask(dialog, question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        ShowQuestion(dialog, sitting, sitting.current);
        return;
    }
    HandInNow(dialog, sitting);
}

// Closing in the middle of the test keeps the attempt open, when the pupil
// says so (No is the default).
void Close(HWND dialog, Sitting& sitting) {
    if (sitting.phase == Phase::Answering) {
        Commit(dialog, sitting);
        if (Ask(dialog,
                "Test ještě není odevzdaný. Chceš ho zavřít? Odpovědi zůstanou uložené a v testu "
                "můžeš pokračovat, když ho na tomto počítači znovu otevřeš se stejným jménem a "
                "třídou.",
                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            Focus(dialog, IDC_TEST_ANSWER);
            return;
        }
    }
    KillTimer(dialog, kClockTimer);
    EndDialog(dialog, IDCANCEL);
}

void Open(HWND dialog, Sitting& sitting) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&sitting));
    SetText(dialog, IDC_TEST_HEADING, sitting.test.title);
    Emphasise(dialog, GetDlgItem(dialog, IDC_TEST_PROMPT), sitting.promptFont, kFormulaScale);
    ShowOnDialogFace(GetDlgItem(dialog, IDC_TEST_PROMPT));
    SendDlgItemMessageA(dialog, IDC_TEST_ANSWER, EM_LIMITTEXT, practice::kMaxAnswer, 0);
    SendDlgItemMessageA(dialog, IDC_TEST_PUPIL_NAME, EM_LIMITTEXT, kLongestName, 0);
    SendDlgItemMessageA(dialog, IDC_TEST_PUPIL_CLASS, EM_LIMITTEXT, kLongestName, 0);
    HWND report = GetDlgItem(dialog, IDC_TEST_REPORT);
    const int margin = base::ScaleToDpi(4, base::WindowDpi(dialog));
    SendMessageA(report, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    ShowPhase(dialog, sitting, Phase::SignIn);
    Focus(dialog, IDC_TEST_PUPIL_NAME);
}

INT_PTR Command(HWND dialog, Sitting& sitting, int id, int code) {
    switch (id) {
    case IDC_TEST_BEGIN:
        if (sitting.phase == Phase::SignIn) {
            Begin(dialog, sitting);
        }
        return TRUE;
    case IDC_TEST_NEXT: // also Enter in the answer box
        if (sitting.phase == Phase::Answering) {
            const bool last = sitting.current + 1 >= sitting.attempt->answers.size();
            Move(dialog, sitting, last ? sitting.current : sitting.current + 1);
            if (last) {
                Focus(dialog, IDC_TEST_HAND_IN);
            }
        }
        return TRUE;
    case IDC_TEST_PREVIOUS:
        if (sitting.phase == Phase::Answering && sitting.current > 0) {
            Move(dialog, sitting, sitting.current - 1);
        }
        return TRUE;
    case IDC_TEST_QUESTIONS:
        if (code == LBN_SELCHANGE && sitting.phase == Phase::Answering) {
            const LRESULT chosen =
                SendDlgItemMessageA(dialog, IDC_TEST_QUESTIONS, LB_GETCURSEL, 0, 0);
            if (chosen >= 0) {
                Move(dialog, sitting, static_cast<std::size_t>(chosen));
            }
        }
        return TRUE;
    case IDC_TEST_HAND_IN:
        if (sitting.phase == Phase::Answering) {
            AskToHandIn(dialog, sitting);
        }
        return TRUE;
    case IDC_TEST_PROMPT:
        // Shown, not edited: a click there leaves the focus where Enter answers.
        if (code == EN_SETFOCUS && sitting.phase == Phase::Answering) {
            Focus(dialog, IDC_TEST_ANSWER);
        }
        return TRUE;
    case IDCANCEL: // Esc, Zavřít and the close box
        Close(dialog, sitting);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK TestTakeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* sitting = reinterpret_cast<Sitting*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        Open(dialog, *reinterpret_cast<Sitting*>(lParam));
        return FALSE; // the focus is set
    case WM_DPICHANGED:
        base::RescaleFontsLater(dialog, wParam);
        return FALSE; // the dialog manager scales the layout and sets every control's font
    case base::kFontsForDpi:
        if (sitting != nullptr) {
            sitting->promptFont.Rescale(static_cast<UINT>(wParam));
        }
        return TRUE;
    case WM_TIMER:
        if (sitting != nullptr && wParam == kClockTimer) {
            Tick(dialog, *sitting);
        }
        return TRUE;
    case WM_COMMAND:
        return sitting != nullptr ? Command(dialog, *sitting, LOWORD(wParam), HIWORD(wParam))
                                  : FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void RunTestTakeDialog(HWND owner) {
    Sitting sitting;
    sitting.testPath = ChooseTestFile(owner, "Spustit test");
    if (sitting.testPath.empty()) {
        return;
    }
    std::string bytes;
    if (!base::ReadWholeFile(sitting.testPath, practice::kMaxFileBytes, bytes)) {
        MessageBoxA(owner, ("Soubor\r\n" + sitting.testPath + "\r\nnelze přečíst.").c_str(),
                    kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    practice::TestReading read = practice::ReadTestFile(bytes, practice::ListedCompounds());
    if (!read.fault.empty()) {
        MessageBoxA(
            owner,
            ("Soubor\r\n" + sitting.testPath + "\r\nnení test, který by šlo spustit. " + read.fault)
                .c_str(),
            kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    sitting.test = std::move(read.test);
    DialogBoxParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_TEST_TAKE), owner, TestTakeDialogProc,
                    reinterpret_cast<LPARAM>(&sitting));
}

} // namespace dialogs
