#include "app/MainDialog.h"

#include "app/Globals.h"
#include "app/MainDialogModel.h"
#include "app/ModuleInfo.h"
#include "base/ScaledFont.h"
#include "chemistry/ElementTables.h"
#include "chemistry/FormulaAnalyser.h"
#include "chemistry/FormulaComposer.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/PracticeDialog.h"
#include "dialogs/TestPrepareDialog.h"
#include "dialogs/TestResultsDialog.h"
#include "dialogs/TestTakeDialog.h"
#include "dialogs/WorksheetDialog.h"
#include "resources/resource.h"
#include "update/UpdateChecker.h"

#include <iterator>
#include <stdexcept>
#include <utility>

namespace app {
namespace {

constexpr int kLabelFontHeight = -15;
const char* const kLabelFontFace = "Arial";
const char* const kProductKey = "zemit";

// The fonts of the two "Výsledek" labels: they live until the process ends
// (also when the set-up fails after them) and are made anew when the DPI changes.
base::ScaledFont labelFonts[2];

// The window's icons, as large as Windows shows them at the dialog's DPI, so
// that the title bar shows no shrunk or stretched picture: the big one for
// Alt+Tab, the small one for the title bar and the taskbar. Made anew when the
// DPI changes; they live until the process ends.
base::IconOwner icons[2];

// The controls bound, in binding order.
struct BoundControl {
    int id;
    ControlKind kind;
};
const BoundControl kBoundControls[] = {
    {IDC_COMPOSE_OK, ControlKind::Button},      {IDC_CLOSE_BUTTON, ControlKind::Button},
    {IDC_NAME_OK, ControlKind::Button},         {IDC_OXYGEN_COUNT, ControlKind::ComboBox},
    {IDC_STEM, ControlKind::ComboBox},          {IDC_SUFFIX, ControlKind::ComboBox},
    {IDC_OXYGEN, ControlKind::ComboBox},        {IDC_SYMBOL, ControlKind::ComboBox},
    {IDC_ELEMENT_COUNT, ControlKind::ComboBox}, {IDC_FORMULA_RESULT, ControlKind::Edit},
    {IDC_NAME_RESULT, ControlKind::Edit},       {IDC_FORMULA_HEADING, ControlKind::Static},
    {IDC_NO_SUCH_CONTROL, ControlKind::Other},
};

template <typename Items> void AddItems(HWND dialog, int id, const Items& items) {
    for (const std::string& item : items) {
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

} // namespace

MainDialog::MainDialog(HWND dialog) {
    for (const BoundControl& control : kBoundControls) {
        bindings_.emplace_back(dialog, control.id, control.kind);
    }

    const UINT dpi = base::WindowDpi(dialog);
    SetIcons(dialog, dpi);

    const LOGFONTA label = base::LabelFont(kLabelFontHeight, kLabelFontFace);
    labelFonts[0].Apply(GetDlgItem(dialog, IDC_UNNAMED), label, dpi);
    labelFonts[1].Apply(GetDlgItem(dialog, IDC_FORMULA_LABEL), label, dpi);

    const std::string programPath = ProgramDirectory() + kProgramFileName;
    CaptionText += VersionText(programPath);
    SetWindowTextA(dialog, MainCaption(CaptionText).c_str());

    AddItems(dialog, IDC_SYMBOL, chemistry::DialogElementTable.symbol);
    AddItems(dialog, IDC_ELEMENT_COUNT, ElementCountItems());
    AddItems(dialog, IDC_OXYGEN, OxygenItems());
    AddItems(dialog, IDC_OXYGEN_COUNT, OxygenCountItems());
    AddItems(dialog, IDC_STEM, chemistry::DialogElementTable.stem);
    AddItems(dialog, IDC_SUFFIX, chemistry::DialogSuffixTable);
}

const ControlBinding& MainDialog::Binding(int id) const {
    for (const ControlBinding& binding : bindings_) {
        if (binding.id() == id) {
            return binding;
        }
    }
    throw std::logic_error("no binding for this control");
}

void MainDialog::OnCommand(HWND dialog, UINT /*message*/, WORD id, WORD /*code*/) {
    switch (id) {
    case IDM_ABOUT:
        DialogBoxParamA(g_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), dialog, dialogs::AboutDialogProc,
                        0);
        break;
    case IDM_HELP:
        DialogBoxParamA(g_hInstance, MAKEINTRESOURCEA(IDD_HELP), dialog, dialogs::HelpViewerProc,
                        0);
        break;
    case IDM_PRACTICE:
        dialogs::RunPracticeDialog(dialog);
        break;
    case IDM_WORKSHEET:
        dialogs::RunWorksheetDialog(dialog);
        break;
    case IDM_TEST_PREPARE:
        dialogs::RunTestPrepareDialog(dialog);
        break;
    case IDM_TEST_TAKE:
        dialogs::RunTestTakeDialog(dialog);
        break;
    case IDM_TEST_RESULTS:
        dialogs::RunTestResultsDialog(dialog);
        break;
    case IDM_EXIT:
    case IDC_CLOSE_BUTTON:
        // Destroying the dialog deletes this object: touch nothing afterwards.
        Binding(IDC_CLOSE_BUTTON).Close();
        return;
    case IDM_CHECK_VERSION:
        update::UpdateChecker(dialog, kProductKey);
        break;
    case IDC_NAME_OK:
        NameFormula();
        break;
    case IDC_COMPOSE_OK:
        ComposeFormula();
        break;
    default:
        break;
    }
}

void MainDialog::NameFormula() {
    const std::string symbol = Binding(IDC_SYMBOL).ReadText();
    const std::string elementCount = Binding(IDC_ELEMENT_COUNT).ReadText();
    const std::string oxygen = Binding(IDC_OXYGEN).ReadText();
    const std::string oxygenCount = Binding(IDC_OXYGEN_COUNT).ReadText();
    const auto formula = JoinFormula(symbol, elementCount, oxygen, oxygenCount);
    if (!formula) {
        ShowPlainMessage(kMissingInputText);
        return;
    }
    Binding(IDC_NAME_RESULT).ReplaceText(chemistry::FormulaAnalyser(*formula));
}

void MainDialog::ComposeFormula() {
    const std::string name = Binding(IDC_STEM).ReadText();
    const std::string suffix = Binding(IDC_SUFFIX).ReadText();
    if (!CompositionComplete(name, suffix)) {
        ShowPlainMessage(kMissingInputText);
        return;
    }
    Binding(IDC_FORMULA_RESULT).ReplaceText(chemistry::FormulaComposer(name, suffix));
}

void SetIcons(HWND dialog, UINT dpi) {
    const struct {
        WPARAM kind;
        int id;
        int metric;
    } kIcons[] = {{ICON_BIG, IDI_LARGE, SM_CXICON}, {ICON_SMALL, IDI_SMALL, SM_CXSMICON}};
    for (size_t i = 0; i < std::size(kIcons); ++i) {
        const int size = base::SystemMetricForDpi(kIcons[i].metric, dpi);
        base::IconOwner icon(static_cast<HICON>(LoadImageA(
            g_hInstance, MAKEINTRESOURCEA(kIcons[i].id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        SendMessageA(dialog, WM_SETICON, kIcons[i].kind, reinterpret_cast<LPARAM>(icon.Get()));
        icons[i] = std::move(icon); // the one shown before goes once the window has the new one
    }
}

void RescaleLabelFonts(UINT dpi) {
    for (base::ScaledFont& font : labelFonts) {
        font.Rescale(dpi);
    }
}

void ShowPlainMessage(const char* text) {
    MessageBoxA(nullptr, text, kMessageCaption, MB_OK);
}

} // namespace app
