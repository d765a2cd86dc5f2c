// The program's Win32 pieces in this process: module information, the main
// dialog's set-up and its command handler. The test executable sits beside
// zemit.exe, so the set-up reads the program's own version.
#include "app/ControlBinding.h"
#include "app/Globals.h"
#include "app/MainDialog.h"
#include "app/ModuleInfo.h"
#include "app/WinException.h"
#include "chemistry/ElementTables.h"
#include "dialogs/AboutDialog.h"
#include "resources/Version.h"
#include "resources/resource.h"

#include "BoxChecks.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <new>
#include <cstring>
#include <vector>

using namespace app;
using namespace testsupport;

namespace {

const char* const kMissingInput = "Vybrali jste hdonoty z comboboxů ?";

TEST(ModuleInfo, ProgramDirectoryIsTheExecutablesDirectory) {
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(directory, ExecutableDirectory());
    EXPECT_NE(GetFileAttributesA((directory + "zemit.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ModuleInfo, VersionTextReadsTheFixedFileVersion) {
    EXPECT_EQ(VersionText(ProgramDirectory() + "zemit.exe"), ZEMIT_VERSION_DOTTED);
    // This executable's file version differs from its product version.
    EXPECT_EQ(VersionText(ExecutablePath()), "1.2.3.4");
}

TEST(ModuleInfo, VersionTextThrowsWithoutAVersion) {
    const std::string directory = ProgramDirectory();
    EXPECT_ANY_THROW(VersionText(directory + "no-such-file.exe"));
    EXPECT_ANY_THROW(VersionText(directory + "help.rtf")); // no version resource
    EXPECT_ANY_THROW(VersionText(""));
    try {
        VersionText(directory + "no-such-file.exe");
    } catch (const WinException&) {
        ADD_FAILURE() << "a version failure is reported as unknown, not as WinException";
    } catch (...) {
    }
}

// A copy of zemit.exe in `temp` whose full path is exactly `length` characters long.
std::string CopyWithPathLength(const TempFolder& temp, size_t length) {
    const std::string name = "\\zemit.exe";
    const std::string folder =
        temp.path() + std::string(length - temp.path().size() - name.size(), 'd');
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((ProgramDirectory() + "zemit.exe").c_str(), (folder + name).c_str(), FALSE);
    return folder + name;
}

TEST(ModuleInfo, VersionTextRefusesPathsThatDoNotFit) {
    const TempFolder temp("paths");
    const std::string longest = CopyWithPathLength(temp, 259);
    ASSERT_EQ(longest.size(), 259u);
    ASSERT_NE(GetFileAttributesA(longest.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(VersionText(longest), ZEMIT_VERSION_DOTTED);
    const std::string tooLong = CopyWithPathLength(temp, 260);
    EXPECT_ANY_THROW(VersionText(tooLong)); // would not fit the buffer with its terminator
    EXPECT_ANY_THROW(VersionText(std::string(5000, 'a')));
}

TEST(WinException, FailedAllocationThrowsOutOfMemoryWithTheLastError) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    try {
        OutOfMemory();
        ADD_FAILURE() << "the handler returned";
    } catch (const WinException& e) {
        EXPECT_STREQ(e.Message(), "Out of memory");
        EXPECT_EQ(e.Error(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    }
    // Installed as the allocation-failure handler, it turns a failed new into the exception.
    const std::new_handler previous = std::set_new_handler(OutOfMemory);
    // Half the address space, more than any process can have at once.
    volatile size_t tooMuch = std::numeric_limits<size_t>::max() / 2;
    bool thrown = false;
    try {
        void* volatile block = ::operator new(tooMuch); // kept, so the pair is not elided
        ::operator delete(block);
    } catch (const WinException& e) {
        thrown = std::string(e.Message()) == "Out of memory";
    }
    std::set_new_handler(previous);
    EXPECT_TRUE(thrown);
}

// The main dialog, created in this process as the program creates it.
class MainDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        g_hInstance = GetModuleHandleA(nullptr);
        dialog_ =
            CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
        g_hMainDialog = dialog_;
    }
    void TearDown() override {
        if (IsWindow(dialog_)) {
            DestroyWindow(dialog_);
        }
        // The dialog posts the quit message when destroyed; drop it.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        CaptionText = "Zemit ";
    }

    std::vector<std::string> Items(int id) const {
        std::vector<std::string> items;
        const int count = static_cast<int>(SendDlgItemMessageA(dialog_, id, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendDlgItemMessageA(dialog_, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::string Text(int id) const {
        char text[4096] = {};
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }
    void SetText(int id, const std::string& text) const {
        SetDlgItemTextA(dialog_, id, text.c_str());
    }
    void Press(int id) const { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    HWND dialog_ = nullptr;
};

template <typename Column> std::vector<std::string> Sorted(const Column& column) {
    std::vector<std::string> items(column.begin(), column.end());
    std::sort(items.begin(), items.end());
    return items;
}

bool InListOrder(const std::vector<std::string>& items) {
    for (size_t i = 1; i < items.size(); ++i) {
        if (lstrcmpiA(items[i - 1].c_str(), items[i].c_str()) > 0) {
            return false;
        }
    }
    return true;
}

TEST_F(MainDialogTest, SetUpFillsTheListsAndCaption) {
    char caption[256] = {};
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Zemit " ZEMIT_VERSION_DOTTED " betatesting version");
    EXPECT_EQ(CaptionText, "Zemit " ZEMIT_VERSION_DOTTED);

    const auto symbols = Items(IDC_SYMBOL);
    EXPECT_EQ(symbols.size(), 57u);
    EXPECT_EQ(Sorted(symbols), Sorted(chemistry::DialogElementTable.symbol));
    EXPECT_TRUE(InListOrder(symbols));
    const auto stems = Items(IDC_STEM);
    EXPECT_EQ(Sorted(stems), Sorted(chemistry::DialogElementTable.stem));
    EXPECT_TRUE(InListOrder(stems));
    EXPECT_NE(std::find(stems.begin(), stems.end(), "sir"), stems.end());

    EXPECT_EQ(Items(IDC_ELEMENT_COUNT), (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(Items(IDC_OXYGEN), (std::vector<std::string>{"O"}));
    EXPECT_EQ(Items(IDC_OXYGEN_COUNT),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "7", ""}));
    EXPECT_EQ(Items(IDC_SUFFIX), (std::vector<std::string>{"ný", "natý", "itý", "ičitý", "ičný",
                                                           "ový", "istý", "ičelý"}));
    // Nothing is selected: every field starts empty.
    for (int id : {IDC_SYMBOL, IDC_ELEMENT_COUNT, IDC_OXYGEN, IDC_OXYGEN_COUNT, IDC_STEM,
                   IDC_SUFFIX, IDC_NAME_RESULT, IDC_FORMULA_RESULT}) {
        EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_NE(SendMessageA(dialog_, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(dialog_, WM_GETICON, ICON_SMALL, 0), 0);
}

struct ChildFont {
    std::string text;
    LOGFONTA font;
};

BOOL CALLBACK CollectFont(HWND child, LPARAM out) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        ChildFont entry{};
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        entry.text = text;
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
        GetObjectA(font, sizeof entry.font, &entry.font);
        reinterpret_cast<std::vector<ChildFont>*>(out)->push_back(entry);
    }
    return TRUE;
}

TEST_F(MainDialogTest, OnlyTheResultLabelsGetTheLabelFont) {
    std::vector<ChildFont> statics;
    EnumChildWindows(dialog_, CollectFont, reinterpret_cast<LPARAM>(&statics));
    ASSERT_EQ(statics.size(), 5u);
    int labels = 0;
    for (const ChildFont& s : statics) {
        const bool label = s.text == "Výsledek";
        labels += label;
        EXPECT_EQ(s.font.lfItalic != 0, label) << s.text;
        EXPECT_EQ(s.font.lfUnderline != 0, label) << s.text;
        if (label) {
            EXPECT_EQ(s.font.lfHeight, -15);
            EXPECT_STREQ(s.font.lfFaceName, "Arial");
        }
    }
    EXPECT_EQ(labels, 2);
}

TEST_F(MainDialogTest, MissingInputShowsOneMessageAndKeepsTheResult) {
    SetText(IDC_NAME_RESULT, "předtím");
    SetText(IDC_FORMULA_RESULT, "předtím");
    struct Row {
        const char* symbol;
        const char* oxygen;
    };
    for (Row row : {Row{"", "O"}, Row{"Fe", ""}}) {
        SetText(IDC_SYMBOL, row.symbol);
        SetText(IDC_OXYGEN, row.oxygen);
        MessageBoxWatcher watcher;
        Press(IDC_NAME_OK);
        ExpectOneBox(watcher.boxes(), kMissingInput, "MESSAGE", nullptr, nullptr);
        EXPECT_EQ(Text(IDC_NAME_RESULT), "předtím");
    }
    for (Row row : {Row{"", "itý"}, Row{"želez", ""}, Row{"", ""}}) {
        SetText(IDC_STEM, row.symbol);
        SetText(IDC_SUFFIX, row.oxygen);
        MessageBoxWatcher watcher;
        Press(IDC_COMPOSE_OK);
        ExpectOneBox(watcher.boxes(), kMissingInput, "MESSAGE", nullptr, nullptr);
        EXPECT_EQ(Text(IDC_FORMULA_RESULT), "předtím");
    }
}

TEST_F(MainDialogTest, CommandsNameAndComposeFromTheListTexts) {
    MessageBoxWatcher watcher;
    SetText(IDC_SYMBOL, "Fe");
    SetText(IDC_OXYGEN, "O");
    Press(IDC_NAME_OK); // both counts empty
    EXPECT_EQ(Text(IDC_NAME_RESULT), "FeO = oxid želez - natý  ( 2 mocný)");
    SetText(IDC_ELEMENT_COUNT, "2");
    SetText(IDC_OXYGEN_COUNT, "3");
    Press(IDC_NAME_OK);
    EXPECT_EQ(Text(IDC_NAME_RESULT), "Fe2O3 = oxid želez - itý  ( 3 mocný)");
    SetText(IDC_SYMBOL, "Xy"); // typed, in no list
    Press(IDC_NAME_OK);
    EXPECT_EQ(Text(IDC_NAME_RESULT), "- první prvek nebyl nalezen jako platny!!");

    SetText(IDC_STEM, "sir");
    SetText(IDC_SUFFIX, "ový");
    Press(IDC_COMPOSE_OK);
    EXPECT_EQ(Text(IDC_FORMULA_RESULT), "SO3");
    SetText(IDC_STEM, "vod");
    SetText(IDC_SUFFIX, "ný");
    Press(IDC_COMPOSE_OK);
    EXPECT_EQ(Text(IDC_FORMULA_RESULT), "H2O"); // replaced completely
    SetText(IDC_STEM, "siřič");
    Press(IDC_COMPOSE_OK);
    EXPECT_EQ(Text(IDC_FORMULA_RESULT), "Neznámý název prvku");
    ExpectNoBox(watcher.boxes());
}

// The About dialog sets its link's cursor on the static class, so from then on
// every static text of the process, the main dialog's included, carries the hand.
TEST_F(MainDialogTest, AboutGivesEveryStaticTextTheHandCursor) {
    HWND heading = GetDlgItem(dialog_, IDC_FORMULA_HEADING);
    const ULONG_PTR arrow = GetClassLongPtrA(heading, GCLP_HCURSOR);
    const auto hand =
        reinterpret_cast<ULONG_PTR>(LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR)));
    ASSERT_NE(hand, 0u);
    EXPECT_NE(arrow, hand);
    HWND about = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), dialog_,
                                    dialogs::AboutDialogProc, 0);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetClassLongPtrA(GetDlgItem(about, IDC_HOME_LINK), GCLP_HCURSOR), hand);
    SendMessageA(about, WM_COMMAND, IDOK, 0);
    DestroyWindow(about);
    EXPECT_EQ(GetClassLongPtrA(heading, GCLP_HCURSOR), hand);
    SetClassLongPtrA(heading, GCLP_HCURSOR, arrow); // the other tests expect the arrow
}

TEST_F(MainDialogTest, OtherIdentifiersDoNothing) {
    MessageBoxWatcher watcher;
    SetText(IDC_NAME_RESULT, "beze změny");
    for (int id : {IDOK, IDCANCEL, 0, 1303, 9999}) {
        Press(id);
    }
    // Forwarded system messages carry no handled identifier.
    SendMessageA(dialog_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    SendMessageA(dialog_, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindow(dialog_));
    EXPECT_EQ(Text(IDC_NAME_RESULT), "beze změny");
    ExpectNoBox(watcher.boxes());
}

TEST_F(MainDialogTest, CancelAndExitDestroyTheDialogAndPostQuit) {
    for (int id : {IDC_CLOSE_BUTTON, IDM_EXIT}) {
        if (!IsWindow(dialog_)) {
            SetUp();
        }
        Press(id);
        EXPECT_FALSE(IsWindow(dialog_)) << id;
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << id;
        EXPECT_EQ(msg.wParam, 0u);
        CaptionText = "Zemit ";
    }
}

TEST_F(MainDialogTest, ReadTextCutsLongTexts) {
    const std::string longText(3000, 'x');
    SendDlgItemMessageA(dialog_, IDC_SYMBOL, CB_LIMITTEXT, 0, 0);
    SetText(IDC_SYMBOL, longText);
    ASSERT_EQ(Text(IDC_SYMBOL).size(), 3000u);
    const ControlBinding binding(dialog_, IDC_SYMBOL, ControlKind::ComboBox);
    EXPECT_EQ(binding.ReadText(), longText.substr(0, 2047));
    binding.ReplaceText("Fe");
    EXPECT_EQ(Text(IDC_SYMBOL), "Fe");
    EXPECT_EQ(ControlBinding(dialog_, IDC_NO_SUCH_CONTROL, ControlKind::Other).control(), nullptr);
}

} // namespace
