// A pupil's sessions with the real zemit.exe, played from a second process.
#include "Driver.h"

#include "resources/SiteAddress.h"
#include "resources/Version.h"
#include "resources/resource.h"

#include "BoxChecks.h"
#include "Files.h"
#include "Screenshot.h"
#include "UrlLog.h"
#include "Wait.h"

#include <gtest/gtest.h>

using e2e::Box;
using e2e::Program;
using testsupport::ExpectBox;

namespace {

const char* const kMissingInput = "Vybrali jste hdonoty z comboboxů ?";

// Starts the program and waits for its main dialog.
class Story : public testing::Test {
  protected:
    void Start(const std::string& exe = Program::DefaultExe()) {
        program_ = std::make_unique<Program>(exe);
        ASSERT_NE(program_->WaitForMainDialog(), nullptr) << "the main dialog did not appear";
    }
    std::string Name() { return program_->PressAndRead(IDC_NAME_OK, IDC_NAME_RESULT); }
    std::string Compose() { return program_->PressAndRead(IDC_COMPOSE_OK, IDC_FORMULA_RESULT); }
    // A copy of zemit.exe (with help.rtf when asked) under `name` in a folder
    // of its own, removed after the story.
    std::string CopyProgram(const std::string& name, bool withHelp) {
        folder_ = std::make_unique<testsupport::TempFolder>(name);
        if (withHelp) {
            folder_->Copy(testsupport::ExecutableDirectory() + "help.rtf", "help.rtf");
        }
        return folder_->Copy(Program::DefaultExe(), name);
    }
    // Closes with the title bar's close and checks the clean end.
    void CloseAndExpectCleanEnd() {
        PostMessageA(program_->main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(program_->WaitForExit(), 0u);
    }

    std::unique_ptr<testsupport::TempFolder> folder_; // outlives the program in it
    std::unique_ptr<Program> program_;
};

TEST_F(Story, NamesFormulasFromChosenAndTypedTexts) {
    Start();
    Program& p = *program_;
    p.Choose(IDC_SYMBOL, L"Fe");
    p.Choose(IDC_ELEMENT_COUNT, L"2");
    p.Choose(IDC_OXYGEN, L"O");
    p.Choose(IDC_OXYGEN_COUNT, L"3");
    EXPECT_EQ(p.Text(IDC_SYMBOL), "Fe");
    EXPECT_EQ(Name(), "Fe2O3 = oxid želez - itý  ( 3 mocný)");
    testsupport::SaveScreenshot(p.main(), testsupport::ScreenshotPath("main-Fe2O3"));

    p.Type(IDC_SYMBOL, "S"); // typed rather than chosen
    p.Type(IDC_ELEMENT_COUNT, "");
    EXPECT_EQ(Name(), "SO3 = oxid siřič - ový  ( 6 mocný)");
    p.Type(IDC_SYMBOL, "Fe"); // both counts empty stand for 1
    p.Type(IDC_OXYGEN_COUNT, "");
    EXPECT_EQ(Name(), "FeO = oxid želez - natý  ( 2 mocný)");
    p.Type(IDC_ELEMENT_COUNT, "3");
    p.Type(IDC_OXYGEN_COUNT, "4");
    EXPECT_EQ(Name(), "Fe3O4 = oxid železnato-železitý");
    p.Type(IDC_SYMBOL, "Xy");
    p.Type(IDC_ELEMENT_COUNT, "");
    p.Type(IDC_OXYGEN_COUNT, "");
    EXPECT_EQ(Name(), "- první prvek nebyl nalezen jako platny!!");
    p.Choose(IDC_SYMBOL, L"Os");
    p.Type(IDC_OXYGEN_COUNT, "12");
    EXPECT_EQ(Name(), "CHYBA:Za O je více znaků jak jeden");

    CloseAndExpectCleanEnd();
    // One trace line per naming, in the program's own wording (text mode: CR LF).
    EXPECT_EQ(p.Output(), "Fe2O3 = oxid želez-itý (3mocný)\r\n"
                          "SO3 = oxid siřič-ový (6mocný)\r\n"
                          "FeO = oxid želez-natý (2mocný)\r\n"
                          "Fe3O4 = oxid železnato-železitý\r\n"
                          "XyO- prvy prvok nebol najdeny ako platny!!"
                          "CHYBA:Za O je viac znakov ako jeden\r\n");
}

TEST_F(Story, ComposesFormulasFromNameAndSuffix) {
    Start();
    Program& p = *program_;
    p.Choose(IDC_STEM, L"želez");
    p.Choose(IDC_SUFFIX, L"itý");
    EXPECT_EQ(Compose(), "Fe2O3");
    p.Choose(IDC_STEM, L"sir");
    p.Choose(IDC_SUFFIX, L"ový");
    EXPECT_EQ(Compose(), "SO3");
    p.Type(IDC_STEM, "hořč"); // typed in code page 1250
    p.Type(IDC_SUFFIX, "ný");
    EXPECT_EQ(Compose(), "Mg2O");
    p.Type(IDC_STEM, "Zelez");
    EXPECT_EQ(Compose(), "Neznámý název prvku");
    p.Type(IDC_STEM, "osm");
    p.Type(IDC_SUFFIX, "ITÝ");
    EXPECT_EQ(Compose(), "Neznámá koncovka");
    CloseAndExpectCleanEnd();
    EXPECT_EQ(p.Output(), ""); // composing writes no trace
}

TEST_F(Story, MissingInputShowsTheMessageAndKeepsTheResult) {
    Start();
    Program& p = *program_;
    p.Type(IDC_NAME_RESULT, "předchozí");
    p.Type(IDC_OXYGEN, "O"); // symbol left empty
    p.Command(IDC_NAME_OK);
    Box box = p.WaitForBox();
    ASSERT_NE(box.window, nullptr);
    ExpectBox(box, kMissingInput, "MESSAGE", nullptr, nullptr);
    EXPECT_EQ(p.OpenBoxes().size(), 1u);
    p.Answer(box);
    EXPECT_EQ(p.Text(IDC_NAME_RESULT), "předchozí");

    p.Type(IDC_STEM, "želez"); // suffix left empty
    p.Type(IDC_FORMULA_RESULT, "předchozí");
    p.Command(IDC_COMPOSE_OK);
    box = p.WaitForBox();
    ExpectBox(box, kMissingInput, "MESSAGE", nullptr, nullptr);
    p.Answer(box);
    EXPECT_EQ(p.Text(IDC_FORMULA_RESULT), "předchozí");
    CloseAndExpectCleanEnd();
}

TEST_F(Story, EnterRightAfterStartPressesTheUpperOkAndEscDoesNothing) {
    Start();
    Program& p = *program_;
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(p.thread(), &gui));
    EXPECT_EQ(gui.hwndFocus, p.Item(IDC_NAME_OK));
    p.Key(gui.hwndFocus, VK_RETURN);
    const Box box = p.WaitForBox(); // the lists are still empty
    ExpectBox(box, kMissingInput, "MESSAGE", nullptr, nullptr);
    p.Answer(box);

    // Tab visits Cancel, then the result field; Enter there and Esc do nothing.
    // Key strokes are handled in order, so once a later Tab has moved the focus
    // on, the earlier keys have been handled.
    const auto focusReaches = [&](int id) {
        return testsupport::WaitUntil([&] {
            GetGUIThreadInfo(p.thread(), &gui);
            return gui.hwndFocus == p.Item(id);
        });
    };
    p.Key(p.main(), VK_TAB);
    p.Key(p.main(), VK_TAB);
    EXPECT_TRUE(focusReaches(IDC_NAME_RESULT));
    p.Key(p.main(), VK_RETURN);
    p.Key(p.main(), VK_ESCAPE);
    p.Key(p.main(), VK_TAB);
    EXPECT_TRUE(focusReaches(IDC_COMPOSE_OK));
    EXPECT_TRUE(p.Running());
    EXPECT_TRUE(IsWindowVisible(p.main()));
    EXPECT_TRUE(p.OpenBoxes().empty());
    CloseAndExpectCleanEnd();
}

TEST_F(Story, AboutShowsTheVersionAndTheLinkOpensTheHomePage) {
    UrlLog urls("about");
    Start();
    Program& p = *program_;
    p.Command(IDM_ABOUT);
    HWND about = p.WaitForDialog("About Dialog");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsWindowEnabled(p.main())); // modal
    EXPECT_EQ(testsupport::WindowText(GetDlgItem(about, IDC_VERSION_LINE)),
              "Zemit " ZEMIT_VERSION_DOTTED);
    HWND link = GetDlgItem(about, IDC_HOME_LINK);
    EXPECT_EQ(testsupport::WindowText(link), ZEMIT_HOME_PAGE_URL);
    testsupport::SaveScreenshot(about, testsupport::ScreenshotPath("about"));

    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    auto opened = urls.WaitFor(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], ZEMIT_HOME_PAGE_URL);
    // A double click notifies twice, so the page opens twice more.
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageA(link, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    opened = urls.WaitFor(3);
    EXPECT_EQ(opened, std::vector<std::string>(3, ZEMIT_HOME_PAGE_URL));

    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindowEnabled(p.main()));
    // Opened again, it shows the same line; Esc closes it.
    p.Command(IDM_ABOUT);
    about = p.WaitForDialog("About Dialog");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(testsupport::WindowText(GetDlgItem(about, IDC_VERSION_LINE)),
              "Zemit " ZEMIT_VERSION_DOTTED);
    p.Key(GetDlgItem(about, IDOK), VK_ESCAPE);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(about); }));
    CloseAndExpectCleanEnd();
}

TEST_F(Story, HelpShowsTheHelpText) {
    Start();
    Program& p = *program_;
    p.Command(IDM_HELP);
    HWND help = p.WaitForDialog("Dialog Help");
    ASSERT_NE(help, nullptr);
    HWND text = GetDlgItem(help, IDC_HELP_TEXT);
    std::string shown;
    testsupport::WaitUntil([&] { return (shown = testsupport::WindowText(text)).size() > 200; });
    EXPECT_NE(shown.find("Fe2O3"), std::string::npos);
    EXPECT_NE(shown.find("oxid železitý"), std::string::npos) << "Czech text in code page 1250";
    EXPECT_EQ(shown.find("\\rtf"), std::string::npos) << "shown as RTF, not as source";
    EXPECT_TRUE(p.OpenBoxes().empty());
    testsupport::SaveScreenshot(help, testsupport::ScreenshotPath("help"));
    PostMessageA(help, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(help); }));
    CloseAndExpectCleanEnd();
}

TEST_F(Story, HelpClosesByEnterEscAndItsCloseButtonAndDisablesTheMainDialog) {
    Start();
    Program& p = *program_;
    struct Way {
        const char* name;
        std::function<void(HWND)> close;
    };
    const Way ways[] = {
        {"Enter", [&](HWND help) { p.Key(help, VK_RETURN); }},
        {"Esc", [&](HWND help) { p.Key(help, VK_ESCAPE); }},
        {"close button", [](HWND help) { PostMessageA(help, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways) {
        p.Command(IDM_HELP);
        HWND help = p.WaitForDialog("Dialog Help");
        ASSERT_NE(help, nullptr) << way.name;
        EXPECT_FALSE(IsWindowEnabled(p.main())) << way.name;
        way.close(help);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(help); })) << way.name;
        EXPECT_TRUE(IsWindowEnabled(p.main())) << way.name;
    }
    CloseAndExpectCleanEnd();
}

TEST_F(Story, CheckNewVersionAsksTheSiteItWasBuiltFor) {
    UrlLog urls("check");
    Start(testsupport::ExecutableDirectory() + "loopback-site\\zemit.exe");
    Program& p = *program_;
    const std::string entry = "zemit-1.0.0.3.zip  (2026-12-01) 1MB\n";
    for (const int answer : {IDCANCEL, IDOK}) {
        p.Command(IDM_CHECK_VERSION);
        const Box box = p.WaitForBox();
        ASSERT_NE(box.window, nullptr);
        ExpectBox(box, entry, "This file available, open home site?", nullptr, nullptr, "",
                  testsupport::Buttons::OkCancel);
        EXPECT_TRUE(IsWindowEnabled(p.main())) << "the box has no owner";
        p.Answer(box, answer);
    }
    // Only the OK opened the home page.
    EXPECT_EQ(urls.Settled(1), std::vector<std::string>{ZEMIT_LOOPBACK_SITE "/"});
    CloseAndExpectCleanEnd();
}

TEST_F(Story, StartedFromADrivesRootFolder) {
    // C:\ is the root of the test prefix's drive C:; the copies are removed afterwards.
    struct RootCopy {
        ~RootCopy() {
            DeleteFileA("C:\\zemit.exe");
            DeleteFileA("C:\\help.rtf");
        }
    } cleanup;
    ASSERT_TRUE(CopyFileA(Program::DefaultExe().c_str(), "C:\\zemit.exe", FALSE));
    ASSERT_TRUE(CopyFileA((testsupport::ExecutableDirectory() + "help.rtf").c_str(), "C:\\help.rtf",
                          FALSE));
    {
        Start("C:\\zemit.exe");
        Program& p = *program_;
        // The version is read from C:\zemit.exe, the help from C:\help.rtf.
        EXPECT_EQ(testsupport::WindowText(p.main()),
                  "Zemit " ZEMIT_VERSION_DOTTED " betatesting version");
        p.Command(IDM_HELP);
        HWND help = p.WaitForDialog("Dialog Help");
        ASSERT_NE(help, nullptr);
        std::string shown;
        testsupport::WaitUntil([&] {
            return (shown = testsupport::WindowText(GetDlgItem(help, IDC_HELP_TEXT))).size() > 200;
        });
        EXPECT_NE(shown.find("Fe2O3"), std::string::npos);
        EXPECT_TRUE(p.OpenBoxes().empty());
        PostMessageA(help, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(help); }));
        CloseAndExpectCleanEnd();
    }
    program_.reset(); // the files can go once the program has ended
}

TEST_F(Story, HelpWithoutHelpFileReportsTheFile) {
    Start(CopyProgram("zemit.exe", false));
    Program& p = *program_;
    p.Command(IDM_HELP);
    const Box box = p.WaitForBox();
    ASSERT_NE(box.window, nullptr);
    p.Answer(box);
    HWND help = p.WaitForDialog("Dialog Help");
    ASSERT_NE(help, nullptr);
    ExpectBox(box, "FILE ERROR", "Error", help, nullptr, "owned by the Help dialog's text control");
    EXPECT_EQ(testsupport::WindowText(GetDlgItem(help, IDC_HELP_TEXT)), "RichEdit2");
    PostMessageA(help, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(help); }));
    CloseAndExpectCleanEnd();
}

TEST_F(Story, DoubleClickMessageRestoresTheMinimisedDialog) {
    Start();
    Program& p = *program_;
    ShowWindow(p.main(), SW_MINIMIZE);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return IsIconic(p.main()) != FALSE; }));
    PostMessageA(p.main(), WM_APP + 1, 0, WM_RBUTTONDBLCLK); // another mouse event: nothing
    // Posted messages are handled in order: once the naming posted after it
    // shows its result, the message above has been handled.
    p.Type(IDC_SYMBOL, "Fe");
    p.Type(IDC_OXYGEN, "O");
    EXPECT_EQ(Name(), "FeO = oxid želez - natý  ( 2 mocný)");
    EXPECT_TRUE(IsIconic(p.main()));
    PostMessageA(p.main(), WM_APP + 1, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsIconic(p.main()); }));
    CloseAndExpectCleanEnd();
}

TEST_F(Story, EveryWayOfClosingEndsWithExitCodeZero) {
    struct Way {
        const char* name;
        std::function<void(Program&)> close;
    };
    const Way ways[] = {
        {"Cancel", [](Program& p) { p.Command(IDC_CLOSE_BUTTON); }},
        {"File > Exit", [](Program& p) { p.Command(IDM_EXIT); }},
        {"title bar close", [](Program& p) { PostMessageA(p.main(), WM_CLOSE, 0, 0); }},
        {"system menu Close",
         [](Program& p) { PostMessageA(p.main(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways) {
        Start();
        way.close(*program_);
        EXPECT_EQ(program_->WaitForExit(), 0u) << way.name;
        EXPECT_TRUE(program_->OpenBoxes().empty()) << way.name;
    }
}

TEST_F(Story, SecondStartEndsAtOnceWhileAZemitWindowExists) {
    for (const char* title : {"zemit", "ZEMIT"}) {
        HWND other = CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_NE(other, nullptr);
        Program p;
        EXPECT_EQ(p.WaitForExit(), 0u) << title;
        EXPECT_EQ(p.Output(), "");
        DestroyWindow(other);
    }
    // A running copy's caption is longer than the bare name: it does not count.
    Start();
    Program second;
    EXPECT_NE(second.WaitForMainDialog(), nullptr);
    PostMessageA(second.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);
    CloseAndExpectCleanEnd();
}

TEST_F(Story, ACopyUnderAnotherNameReportsTheMissingVersion) {
    program_ = std::make_unique<Program>(CopyProgram("oxidy.exe", true));
    Program& p = *program_;
    const Box box = p.WaitForBox();
    ASSERT_NE(box.window, nullptr);
    ExpectBox(box, "Unknown", "Exception", nullptr, IDI_EXCLAMATION);
    p.Answer(box);
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    EXPECT_EQ(testsupport::WindowText(p.main()), "Dialog");
    EXPECT_EQ(SendMessageA(p.Item(IDC_SYMBOL), CB_GETCOUNT, 0, 0), 0);
    // Without its object the dialog ignores commands, and still closes cleanly.
    p.Type(IDC_SYMBOL, "Fe");
    p.Type(IDC_OXYGEN, "O");
    p.Command(IDC_NAME_OK);
    p.Command(IDC_CLOSE_BUTTON);
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
    EXPECT_EQ(p.Output(), "");
}

} // namespace
