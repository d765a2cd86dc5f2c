#include "dialogs/PracticeDialog.h"

#include "app/Globals.h"
#include "app/MainDialogModel.h"
#include "base/ScaledFont.h"
#include "dialogs/FormulaText.h"
#include "dialogs/PracticeChoices.h"
#include "practice/Round.h"
#include "resources/resource.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dialogs {
namespace {

// Longer than any name of the list, short enough for the list of mistakes.
constexpr int kLongestAnswer = 100;

// What the dialog works on; lives on the stack of RunPracticeDialog, so the
// font outlives the dialog that shows it.
struct Practice {
    std::optional<practice::Round> round;
    base::ScaledFont promptFont;
};

// The question stands out: the dialog's font, half as large again and bold.
// The dialog's font comes at the dialog's DPI; the prompt's is kept at 96 DPI,
// so that a change of DPI makes it from that and not from whichever dialog
// font the window has at that moment.
void EmphasisePrompt(HWND dialog, Practice& state) {
    LOGFONTA font = {};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (GetObjectA(dialogFont, sizeof font, &font) == 0) {
        return;
    }
    const UINT dpi = base::WindowDpi(dialog);
    font.lfHeight = base::SizeAtDesignDpi(font.lfHeight, dpi) * 3 / 2;
    font.lfWeight = FW_BOLD;
    state.promptFont.Apply(GetDlgItem(dialog, IDC_PRACTICE_PROMPT), font, dpi, false);
}

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

// The question, the verdict and the mistakes: formulas with their counts lowered.
void SetFormulas(HWND dialog, int id, const std::string& text) {
    SetFormulaText(GetDlgItem(dialog, id), text);
}

std::string Text(HWND dialog, int id) {
    std::vector<char> buffer(app::kTextBufferSize, '\0');
    GetDlgItemTextA(dialog, id, buffer.data(), app::kTextBufferSize);
    return buffer.data();
}

// Shows the round as it stands: the current question, or the score and the
// mistakes once it is over. Then Enter answers nothing and starts nothing (its
// button is disabled): a new round takes a click or a shortcut, so a key held
// down or pressed twice keeps the score in view. The focus goes to the choices.
void Show(HWND dialog, const practice::Round& round) {
    const bool asking = !round.Finished();
    SetText(dialog, IDC_PRACTICE_PROGRESS, round.ProgressText());
    SetText(dialog, IDC_PRACTICE_TASK, round.TaskText());
    SetFormulas(dialog, IDC_PRACTICE_PROMPT, round.PromptText());
    SetText(dialog, IDC_PRACTICE_ANSWER, "");
    SetText(dialog, IDC_PRACTICE_SCORE, asking ? "" : round.ScoreText());
    SetFormulas(dialog, IDC_PRACTICE_MISTAKES, asking ? "" : round.MistakesText());
    const bool redo = !asking && !round.Mistakes().empty();
    // Enabled first and disabled last, so the focus never sits on a disabled control.
    const std::pair<int, bool> controls[] = {
        {IDC_PRACTICE_ANSWER, asking}, {IDC_PRACTICE_SUBMIT, asking}, {IDC_PRACTICE_REDO, redo}};
    for (const auto& [id, enabled] : controls) {
        if (enabled) {
            EnableWindow(GetDlgItem(dialog, id), TRUE);
        }
    }
    SendMessageA(dialog, DM_SETDEFID, IDC_PRACTICE_SUBMIT, 0);
    HWND focus = asking ? GetDlgItem(dialog, IDC_PRACTICE_ANSWER) : ChosenDirectionButton(dialog);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    for (const auto& [id, enabled] : controls) {
        if (!enabled) {
            EnableWindow(GetDlgItem(dialog, id), FALSE);
        }
    }
}

void Begin(HWND dialog, Practice& state, std::vector<practice::Question> questions) {
    state.round.emplace(std::move(questions));
    SetFormulas(dialog, IDC_PRACTICE_VERDICT, "");
    Show(dialog, *state.round);
}

void Submit(HWND dialog, Practice& state) {
    if (!state.round || state.round->Finished()) {
        return;
    }
    const practice::Verdict verdict = state.round->Answer(Text(dialog, IDC_PRACTICE_ANSWER));
    // An empty answer keeps the verdict of the last one (the right answer and
    // why) in view; only before the first answer does it say what to do.
    if (verdict.grade != practice::Grade::Empty || Text(dialog, IDC_PRACTICE_VERDICT).empty()) {
        SetFormulas(dialog, IDC_PRACTICE_VERDICT, verdict.text);
    }
    if (verdict.grade != practice::Grade::Empty) {
        Show(dialog, *state.round);
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

void BackToTheQuestion(HWND dialog) {
    SendMessageA(dialog, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_PRACTICE_ANSWER)), TRUE);
}

void Open(HWND dialog, Practice& state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    SetUpChoices(dialog, {5, 10, 20}, 10);
    EmphasisePrompt(dialog, state);
    ShowOnDialogFace(GetDlgItem(dialog, IDC_PRACTICE_PROMPT));
    ShowOnDialogFace(GetDlgItem(dialog, IDC_PRACTICE_VERDICT));
    SendDlgItemMessageA(dialog, IDC_PRACTICE_ANSWER, EM_LIMITTEXT, kLongestAnswer, 0);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_ANSWER), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_SUBMIT), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_PRACTICE_REDO), FALSE);
    SendMessageA(dialog, DM_SETDEFID, IDC_PRACTICE_START, 0);
    SendMessageA(dialog, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_DIRECTION_TO_NAME)), TRUE);
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
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PRACTICE_START:
            if (!KindChosen(dialog, "Procvičování",
                            "Zaškrtni aspoň jednu skupinu sloučenin, třeba oxidy.")) {
                return TRUE;
            }
            if (MayLeaveRound(dialog, *state, "Chceš začít nové?")) {
                Begin(dialog, *state, DrawChosenRound(dialog, "Procvičování", "kolo"));
            } else {
                BackToTheQuestion(dialog);
            }
            return TRUE;
        case IDC_PRACTICE_SUBMIT:
            Submit(dialog, *state);
            return TRUE;
        case IDC_PRACTICE_REDO:
            if (state->round && state->round->Finished()) {
                Begin(dialog, *state,
                      practice::Shuffled(state->round->MistakeQuestions(), NewSeed()));
            }
            return TRUE;
        case IDCANCEL: // Esc, Zavřít and the close box
            if (MayLeaveRound(dialog, *state, "Chceš procvičování zavřít?")) {
                EndDialog(dialog, IDCANCEL);
            } else {
                BackToTheQuestion(dialog);
            }
            return TRUE;
        case IDC_PRACTICE_PROMPT:
        case IDC_PRACTICE_VERDICT:
            // Shown, not edited: a click there leaves the focus where Enter answers.
            if (HIWORD(wParam) == EN_SETFOCUS && state->round && !state->round->Finished()) {
                SendMessageA(dialog, WM_NEXTDLGCTL,
                             reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_PRACTICE_ANSWER)),
                             TRUE);
            }
            return TRUE;
        default:
            return FALSE;
        }
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
