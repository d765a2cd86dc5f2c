#include "dialogs/PracticeDialog.h"

#include "app/Globals.h"
#include "app/MainDialogModel.h"
#include "base/ScaledFont.h"
#include "dialogs/FormulaText.h"
#include "dialogs/PracticeChoices.h"
#include "practice/Round.h"
#include "resources/resource.h"

#include <richedit.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dialogs {
namespace {

// Longer than any name of the list, short enough for the list of mistakes.
constexpr int kLongestAnswer = 100;

// After the last answer, Enter goes on only once this long has passed and the
// key is up: a second Enter right after the answer, or a key held down, keeps
// the score and the mistakes in view.
constexpr DWORD kPauseBeforeGoingOn = 500; // ms
constexpr UINT_PTR kGoOnTimer = 1;
constexpr UINT kGoOnTick = 100; // ms

constexpr COLORREF kRightColour = RGB(0, 120, 0);
constexpr COLORREF kWrongColour = RGB(190, 0, 0);

// The choices of the last practice, while the program runs.
Choices& Remembered() {
    static Choices choices{practice::Direction::FormulaToName, {}, 10};
    return choices;
}

// What the dialog works on; lives on the stack of RunPracticeDialog, so the
// font outlives the dialog that shows it.
struct Practice {
    std::optional<practice::Round> round;
    base::ScaledFont promptFont;
    practice::Verdict shown{practice::Grade::Empty, "", 0}; // the verdict in view
    DWORD finishedAt = 0;
};

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

// The question and the mistakes: formulas with their counts lowered.
void SetFormulas(HWND dialog, int id, const std::string& text) {
    SetFormulaText(GetDlgItem(dialog, id), text);
}

// The verdict, its mark in bold and colour (the words say it too), `before`
// it a line such as "Napiš odpověď.".
void ShowVerdict(HWND dialog, const practice::Verdict& verdict, const std::string& before = "") {
    const std::string text = before.empty() ? verdict.text : before + "\r\n" + verdict.text;
    const std::size_t at = text.size() - verdict.text.size();
    const COLORREF colour = verdict.grade == practice::Grade::Wrong ? kWrongColour : kRightColour;
    std::vector<Mark> marks;
    if (verdict.markLength > 0) {
        marks.push_back({at, verdict.markLength, colour});
    }
    SetFormulaText(GetDlgItem(dialog, IDC_PRACTICE_VERDICT), text, marks);
}

std::string Text(HWND dialog, int id) {
    std::vector<char> buffer(app::kTextBufferSize, '\0');
    GetDlgItemTextA(dialog, id, buffer.data(), app::kTextBufferSize);
    return buffer.data();
}

void Focus(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

bool Asking(const Practice& state) {
    return state.round && !state.round->Finished();
}

// Shows the round as it stands: the current question, or the result and the
// mistakes once it is over. The focus stays in the answer box, read-only once
// the round is over, so that letters typed by reflex change no choice; Enter
// presses nothing until the pause has passed (the timer then makes the next
// step the default button).
void Show(HWND dialog, Practice& state) {
    const practice::Round& round = *state.round;
    const bool asking = !round.Finished();
    SetText(dialog, IDC_PRACTICE_PROGRESS, round.ProgressText());
    SetText(dialog, IDC_PRACTICE_TASK, round.TaskText());
    SetFormulas(dialog, IDC_PRACTICE_PROMPT, round.PromptText());
    SetText(dialog, IDC_PRACTICE_ANSWER, "");
    SetFormulas(dialog, IDC_PRACTICE_MISTAKES, asking ? "" : round.MistakesText());
    SendDlgItemMessageA(dialog, IDC_PRACTICE_ANSWER, EM_SETREADONLY, asking ? FALSE : TRUE, 0);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_ANSWER), TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_REDO), !asking && !round.Mistakes().empty());
    SendMessageA(dialog, DM_SETDEFID, IDC_PRACTICE_SUBMIT, 0);
    Focus(dialog, IDC_PRACTICE_ANSWER);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_SUBMIT), asking);
    if (!asking) {
        state.finishedAt = GetTickCount();
        SetTimer(dialog, kGoOnTimer, kGoOnTick, nullptr);
    }
}

// Once the pause has passed with Enter up: the next step is the default button.
void MaybeGoOn(HWND dialog, const Practice& state) {
    if (GetTickCount() - state.finishedAt < kPauseBeforeGoingOn ||
        (GetAsyncKeyState(VK_RETURN) & 0x8000) != 0) {
        return;
    }
    KillTimer(dialog, kGoOnTimer);
    if (state.round && state.round->Finished()) {
        SendMessageA(dialog, DM_SETDEFID,
                     state.round->Mistakes().empty() ? IDC_PRACTICE_START : IDC_PRACTICE_REDO, 0);
    }
}

void Begin(HWND dialog, Practice& state, std::vector<practice::Question> questions) {
    KillTimer(dialog, kGoOnTimer);
    state.round.emplace(std::move(questions));
    state.shown = {practice::Grade::Empty, "", 0};
    SetFormulas(dialog, IDC_PRACTICE_VERDICT, "");
    Show(dialog, state);
}

void Submit(HWND dialog, Practice& state) {
    if (!Asking(state)) {
        return;
    }
    const practice::Verdict verdict = state.round->Answer(Text(dialog, IDC_PRACTICE_ANSWER));
    if (verdict.grade == practice::Grade::Empty) {
        // Said above the verdict of the last answer, which stays in view.
        ShowVerdict(dialog, state.shown, verdict.text);
        Focus(dialog, IDC_PRACTICE_ANSWER);
        return;
    }
    state.shown = verdict;
    ShowVerdict(dialog, verdict);
    Show(dialog, state);
}

// A double click or Enter on a mistake shows its verdict and explanation again.
void ExplainMistake(HWND dialog, Practice& state) {
    if (!state.round) {
        return;
    }
    const auto& mistakes = state.round->Mistakes();
    const std::size_t line = CaretParagraph(GetDlgItem(dialog, IDC_PRACTICE_MISTAKES));
    if (line < mistakes.size()) {
        ShowVerdict(dialog, mistakes[line].verdict);
    }
}

// A round with answers is thrown away only when the pupil says so (No is the
// default): before a new round and before the dialog closes.
bool MayLeaveRound(HWND dialog, const Practice& state, const char* question) {
    const std::string text = std::string("Kolo ještě neskončilo. ") + question +
                             " Odpovědi z tohoto kola se nezapočítají.";
    return !state.round || !state.round->Begun() ||
           MessageBoxA(dialog, text.c_str(), "Procvičování",
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void Open(HWND dialog, Practice& state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    SetUpChoices(dialog, {5, 10, 20}, Remembered());
    Emphasise(dialog, GetDlgItem(dialog, IDC_PRACTICE_PROMPT), state.promptFont, kFormulaScale);
    ShowOnDialogFace(GetDlgItem(dialog, IDC_PRACTICE_PROMPT));
    ShowOnDialogFace(GetDlgItem(dialog, IDC_PRACTICE_VERDICT));
    HWND mistakes = GetDlgItem(dialog, IDC_PRACTICE_MISTAKES);
    SendMessageA(mistakes, EM_SETEVENTMASK, 0, ENM_MOUSEEVENTS | ENM_KEYEVENTS);
    const int margin = base::ScaleToDpi(4, base::WindowDpi(dialog));
    SendMessageA(mistakes, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(margin, margin));
    SendDlgItemMessageA(dialog, IDC_PRACTICE_ANSWER, EM_LIMITTEXT, kLongestAnswer, 0);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_ANSWER), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_SUBMIT), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_REDO), FALSE);
    SendMessageA(dialog, DM_SETDEFID, IDC_PRACTICE_START, 0);
    Focus(dialog, IDC_DIRECTION_TO_NAME);
}

// Whether a message on the list of mistakes asks for an explanation.
bool AsksForExplanation(const MSGFILTER& filter) {
    return filter.msg == WM_LBUTTONDBLCLK ||
           (filter.msg == WM_KEYDOWN && filter.wParam == VK_RETURN);
}

INT_PTR Command(HWND dialog, Practice& state, int id, int code) {
    switch (id) {
    case IDC_PRACTICE_START:
        if (!KindChosen(dialog, "Procvičování",
                        "Zaškrtni aspoň jednu skupinu sloučenin, třeba oxidy.")) {
            return TRUE;
        }
        if (MayLeaveRound(dialog, state, "Chceš začít nové?")) {
            Begin(dialog, state, DrawChosenRound(dialog, "Procvičování", "kolo"));
        } else {
            Focus(dialog, IDC_PRACTICE_ANSWER);
        }
        return TRUE;
    case IDC_PRACTICE_SUBMIT:
        Submit(dialog, state);
        return TRUE;
    case IDC_PRACTICE_REDO:
        if (state.round && state.round->Finished()) {
            Begin(dialog, state, practice::Shuffled(state.round->MistakeQuestions(), NewSeed()));
        }
        return TRUE;
    case IDCANCEL: // Esc, Zavřít and the close box
        if (MayLeaveRound(dialog, state, "Chceš procvičování zavřít?")) {
            Remembered() = ChosenChoices(dialog);
            KillTimer(dialog, kGoOnTimer);
            EndDialog(dialog, IDCANCEL);
        } else {
            Focus(dialog, IDC_PRACTICE_ANSWER);
        }
        return TRUE;
    case IDC_PRACTICE_PROMPT:
    case IDC_PRACTICE_VERDICT:
        // Shown, not edited: a click there leaves the focus where Enter answers.
        if (code == EN_SETFOCUS && Asking(state)) {
            Focus(dialog, IDC_PRACTICE_ANSWER);
        }
        return TRUE;
    default:
        return KindClicked(dialog, id) ? TRUE : FALSE;
    }
}

INT_PTR CALLBACK PracticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<Practice*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        Open(dialog, *reinterpret_cast<Practice*>(lParam));
        return FALSE; // the focus is set
    case WM_DPICHANGED:
        base::RescaleFontsLater(dialog, wParam);
        return FALSE; // the dialog manager scales the layout and sets every control's font
    case base::kFontsForDpi:
        if (state != nullptr) {
            state->promptFont.Rescale(static_cast<UINT>(wParam));
        }
        return TRUE;
    case WM_TIMER:
        if (state != nullptr && wParam == kGoOnTimer) {
            MaybeGoOn(dialog, *state);
        }
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (state != nullptr && header->idFrom == IDC_PRACTICE_MISTAKES &&
            header->code == EN_MSGFILTER &&
            AsksForExplanation(*reinterpret_cast<const MSGFILTER*>(lParam))) {
            ExplainMistake(dialog, *state);
            // Enter is taken here: it neither presses a button nor breaks a line.
            const bool enter = reinterpret_cast<const MSGFILTER*>(lParam)->msg == WM_KEYDOWN;
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, enter ? 1 : 0);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        return state != nullptr ? Command(dialog, *state, LOWORD(wParam), HIWORD(wParam)) : FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void RunPracticeDialog(HWND owner) {
    Practice state;
    DialogBoxParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_PRACTICE), owner, PracticeDialogProc,
                    reinterpret_cast<LPARAM>(&state));
}

} // namespace dialogs
