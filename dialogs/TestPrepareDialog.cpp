#include "dialogs/TestPrepareDialog.h"

#include "app/Globals.h"
#include "base/Owners.h"
#include "base/WholeFile.h"
#include "dialogs/OwnChoice.h"
#include "dialogs/PracticeChoices.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/WorksheetDialog.h"
#include "practice/TestFile.h"
#include "practice/Worksheet.h"
#include "resources/resource.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dialogs {
namespace {

const char* const kCaption = "Připravit test";
const char kFilter[] = "Testy Zemit (*.zemtest)\0*.zemtest\0Všechny soubory (*.*)\0*.*\0";
constexpr std::array<int, 4> kMarkFields = {IDC_TEST_MARK1, IDC_TEST_MARK2, IDC_TEST_MARK3,
                                            IDC_TEST_MARK4};
const char* const kVariantItems[] = {"1 (A)", "2 (A, B)", "3 (A–C)", "4 (A–D)"};

// What the teacher last set, kept while the program runs.
struct Form {
    Choices choices{practice::Direction::FormulaToName, {}, 20};
    std::string title;
    int variants = 2;
    std::string minutes;
    std::array<std::string, 4> marks = {"90", "75", "50", "30"};
};
Form& Remembered() {
    static Form form;
    return form;
}
OwnChoice& Own() {
    static OwnChoice own;
    return own;
}
std::string& SaveFolder() {
    static std::string folder = DocumentsFolder();
    return folder;
}

// The test saved from this dialog, whose variants become worksheets.
struct Saved {
    std::string path;
    practice::ClassTest test;
};
std::optional<Saved>& LastSaved() {
    static std::optional<Saved> saved;
    return saved;
}

std::string FieldText(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(field, &text[0], static_cast<int>(text.size()))));
    return text;
}

// A whole number of at most four digits; -1 for anything else.
int NumberIn(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(text);
}

Form FormOf(HWND dialog) {
    Form form;
    form.choices = ChosenChoices(dialog);
    form.title = FieldText(dialog, IDC_TEST_TITLE);
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_TEST_VARIANTS, CB_GETCURSEL, 0, 0);
    form.variants = index == CB_ERR ? 1 : static_cast<int>(index) + 1;
    form.minutes = FieldText(dialog, IDC_TEST_MINUTES);
    for (std::size_t i = 0; i < kMarkFields.size(); ++i) {
        form.marks[i] = FieldText(dialog, kMarkFields[i]);
    }
    return form;
}

void SetUp(HWND dialog) {
    const Form& form = Remembered();
    SetUpChoices(dialog, {10, 20, 30, 40}, form.choices);
    SetDlgItemTextA(dialog, IDC_TEST_TITLE, form.title.c_str());
    for (const char* item : kVariantItems) {
        SendDlgItemMessageA(dialog, IDC_TEST_VARIANTS, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageA(dialog, IDC_TEST_VARIANTS, CB_SETCURSEL, form.variants - 1, 0);
    SetDlgItemTextA(dialog, IDC_TEST_MINUTES, form.minutes.c_str());
    for (std::size_t i = 0; i < kMarkFields.size(); ++i) {
        SetDlgItemTextA(dialog, kMarkFields[i], form.marks[i].c_str());
        SendDlgItemMessageA(dialog, kMarkFields[i], EM_LIMITTEXT, 3, 0);
    }
    SendDlgItemMessageA(dialog, IDC_TEST_MINUTES, EM_LIMITTEXT, 3, 0);
    Own().SetUp(dialog);
    LastSaved().reset();
    EnableWindow(GetDlgItem(dialog, IDC_TEST_SAVE_SHEETS), FALSE);
}

// Shows a fault in a box and puts the focus where it is mended.
void Refuse(HWND dialog, const std::string& fault, int field) {
    MessageBoxA(dialog, fault.c_str(), kCaption, MB_OK | MB_ICONINFORMATION);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, field)), TRUE);
}

// 64 bits from the system's random source, so that no two tests share an id;
// failing that, from the clock and the process.
uint64_t RandomBits() {
    uint64_t bits = 0;
    base::CryptProviderOwner provider;
    if (CryptAcquireContextA(provider.Put(), nullptr, nullptr, PROV_RSA_FULL,
                             CRYPT_VERIFYCONTEXT | CRYPT_SILENT) &&
        CryptGenRandom(provider.Get(), sizeof bits, reinterpret_cast<BYTE*>(&bits))) {
        return bits;
    }
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
           (static_cast<uint64_t>(NewSeed()) << 20);
}

// Reads the form, draws the variants and saves the test where the teacher
// says; then says where it is and where the results will be.
void SaveTest(HWND dialog) {
    const Form form = FormOf(dialog);
    practice::ClassTest test;
    test.title = form.title;
    test.selection = form.choices.selection;
    test.direction = form.choices.direction;
    const int minutes = NumberIn(form.minutes);
    if (!form.minutes.empty() && (minutes < 1 || minutes > practice::kMaxTestMinutes)) {
        Refuse(dialog, "Časový limit napište v minutách, od 1 do 600, nebo políčko nechte prázdné.",
               IDC_TEST_MINUTES);
        return;
    }
    test.minutes = form.minutes.empty() ? 0 : minutes;
    for (std::size_t i = 0; i < kMarkFields.size(); ++i) {
        test.scale.lowest[i] = NumberIn(form.marks[i]);
    }
    // The form's own faults before anything is drawn: one stand-in question
    // makes the core judge the rest.
    test.variants.assign(static_cast<std::size_t>(form.variants), {practice::Question{}});
    if (const std::string fault = practice::TestFault(test); !fault.empty()) {
        Refuse(dialog, fault,
               fault == practice::ScaleFault(test.scale) ? IDC_TEST_MARK1 : IDC_TEST_TITLE);
        return;
    }
    const auto groups = Own().Groups(dialog, kCaption, "test", form.choices.count);
    if (!groups) {
        return;
    }
    test.variants = practice::DrawVariants(*groups, form.choices.count, test.direction,
                                           form.variants, NewSeed());
    test.id = practice::TestId(RandomBits());
    if (const std::string fault = practice::TestFault(test); !fault.empty()) {
        Refuse(dialog, fault, IDC_KIND_OXIDES);
        return;
    }
    const std::string path = ChooseSaveFile(dialog, kCaption, {kFilter, practice::kTestExtension},
                                            practice::TestFileName(test.title), SaveFolder());
    if (path.empty()) {
        return;
    }
    base::WriteStep step = base::WriteStep::None;
    if (!base::WriteWholeFile(path, practice::TestFileText(test), &step)) {
        const practice::SaveFailure failure = SaveFailureOf(path, step, GetLastError());
        MessageBoxA(dialog, practice::SaveFailedText(path, failure, "Test").c_str(), kCaption,
                    MB_OK | MB_ICONERROR);
        return;
    }
    SaveFolder() = path.substr(0, path.find_last_of("\\/") + 1);
    LastSaved() = Saved{path, test};
    EnableWindow(GetDlgItem(dialog, IDC_TEST_SAVE_SHEETS), TRUE);
    const std::string saved =
        "Test je uložený v souboru\r\n" + path +
        "\r\n\r\nŽáci ho otevřou v programu Zemit příkazem Procvičování > Spustit test... "
        "Jejich výsledky budou ve složce\r\n" +
        practice::ResultsFolder(path) + "\r\nkterá vznikne, až test spustí první žák.";
    MessageBoxA(dialog, saved.c_str(), kCaption, MB_OK | MB_ICONINFORMATION);
}

// Each variant of the saved test as a worksheet with its key, beside the test.
void SaveSheets(HWND dialog) {
    if (!LastSaved()) {
        return;
    }
    const Saved& saved = *LastSaved();
    std::string list;
    for (std::size_t v = 0; v < saved.test.variants.size(); ++v) {
        const int variant = static_cast<int>(v);
        const std::string path = practice::VariantSheetPath(saved.path, variant);
        const std::string rtf = practice::WorksheetRtf(
            saved.test.variants[v], practice::VariantHeading(saved.test.title, variant));
        base::WriteStep step = base::WriteStep::None;
        if (!base::WriteWholeFile(path, rtf, &step)) {
            const practice::SaveFailure failure = SaveFailureOf(path, step, GetLastError());
            MessageBoxA(dialog, practice::SaveFailedText(path, failure).c_str(), kCaption,
                        MB_OK | MB_ICONERROR);
            return;
        }
        list += "\r\n" + path;
    }
    const std::string text = "Pracovní listy s řešením jsou uložené v souborech" + list;
    MessageBoxA(dialog, text.c_str(), kCaption, MB_OK | MB_ICONINFORMATION);
}

INT_PTR CALLBACK TestPrepareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetUp(dialog);
        return TRUE;
    case WM_NOTIFY:
        Own().Notify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
        return FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDC_TEST_SAVE || id == IDC_TEST_SAVE_SHEETS || id == IDOK || id == IDCANCEL) {
            Remembered() = FormOf(dialog);
        }
        if (id == IDC_TEST_SAVE || id == IDOK) {
            SaveTest(dialog);
        } else if (id == IDC_TEST_SAVE_SHEETS) {
            SaveSheets(dialog);
        } else if (id == IDCANCEL) {
            EndDialog(dialog, id);
        } else {
            KindClicked(dialog, id);
            Own().Command(dialog, id, HIWORD(wParam));
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

void RunTestPrepareDialog(HWND owner) {
    DialogBoxParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_TEST_PREPARE), owner,
                    TestPrepareDialogProc, 0);
}

} // namespace dialogs
