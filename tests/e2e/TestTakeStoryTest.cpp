// A pupil takes a class test with the real zemit.exe: signs in, answers,
// goes back, the program crashes, the attempt is continued and handed in;
// taking it again is a second attempt in a file of its own.
#include "Driver.h"

#include "practice/AttemptFile.h"
#include "practice/TestFile.h"
#include "practice/TestSitting.h"
#include "resources/resource.h"

#include "Boxes.h"
#include "Files.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using e2e::Program;
using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

// Three oxides, asked as a Czech class is asked, with 30 minutes; an id of
// its own each run, so that this computer's copies of earlier runs stay apart.
practice::ClassTest OxideTest() {
    practice::ClassTest test;
    test.id = practice::TestId((uint64_t{GetTickCount()} << 32) ^ GetCurrentProcessId());
    test.title = "Oxidy – 8.A";
    test.minutes = 30;
    test.direction = practice::Direction::Mixed;
    std::vector<practice::Question> questions;
    for (const auto& [formula, ask] :
         {std::pair{"Fe2O3", practice::Ask::Name}, std::pair{"CO", practice::Ask::Formula},
          std::pair{"SO3", practice::Ask::Name}}) {
        for (const practice::Compound& compound : practice::ListedCompounds()) {
            if (compound.formula == formula && compound.kind == practice::Kind::Oxide) {
                questions.push_back({compound, ask});
            }
        }
    }
    test.variants = {questions};
    return test;
}

// The test dialog of a program, opened through the menu and the Open dialog.
HWND OpenTest(const Program& p, const std::string& path) {
    p.Command(IDM_TEST_TAKE);
    HWND open = p.WaitForDialog("Spustit test");
    if (open == nullptr) {
        return nullptr;
    }
    testsupport::AnswerFileDialog(path)(open);
    return p.WaitForDialog("Test");
}

struct Pupil {
    HWND dialog;

    std::string Text(int id) const { return WindowText(GetDlgItem(dialog, id)); }
    void Click(int id) const { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    void Set(int id, const std::string& text) const {
        SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    bool Shows(int id, const std::string& text) const {
        return WaitUntil([&] { return Text(id) == text; });
    }
    void SignIn(const std::string& name, const std::string& className) const {
        Set(IDC_TEST_PUPIL_NAME, name);
        Set(IDC_TEST_PUPIL_CLASS, className);
        Click(IDC_TEST_BEGIN);
    }
};

practice::Attempt ReadResult(const std::string& path) {
    const practice::AttemptReading read =
        practice::ReadAttemptFile(testsupport::ReadFileBytes(path));
    EXPECT_EQ(read.fault, "") << path;
    return read.attempt;
}

TEST(TestTakeStory, AnsweredCrashedContinuedHandedInThenASecondAttempt) {
    const testsupport::TempFolder share("test-take");
    const practice::ClassTest test = OxideTest();
    const std::string testPath = share / "Oxidy 8.A.zemtest";
    ASSERT_TRUE(testsupport::WriteFileBytes(testPath, practice::TestFileText(test)));
    const std::string results = share / "Oxidy 8.A - výsledky";
    const std::string first = results + "\\Jan Novák 8.A.txt";
    {
        Program p;
        ASSERT_NE(p.WaitForMainDialog(), nullptr);
        const Pupil pupil{OpenTest(p, testPath)};
        ASSERT_NE(pupil.dialog, nullptr);
        EXPECT_EQ(pupil.Text(IDC_TEST_HEADING), "Oxidy – 8.A");
        pupil.Click(IDC_TEST_BEGIN); // no name yet
        const e2e::Box nameless = p.WaitForBox();
        EXPECT_EQ(nameless.text, "Napiš své jméno a příjmení.");
        p.Answer(nameless);
        pupil.SignIn("Jan Novák", "8.A");
        ASSERT_TRUE(pupil.Shows(IDC_TEST_PROGRESS, "Otázka 1 z 3, nezodpovězeno 3"));
        EXPECT_EQ(pupil.Text(IDC_TEST_VARIANT), "Varianta A");
        EXPECT_EQ(pupil.Text(IDC_TEST_TIME).rfind("Zbývá ", 0), 0u);
        EXPECT_EQ(pupil.Text(IDC_TEST_PROMPT), "Fe2O3");
        // Enter answers and goes on; no verdict until the end.
        pupil.Set(IDC_TEST_ANSWER, "oxid železitý");
        p.Key(GetDlgItem(pupil.dialog, IDC_TEST_ANSWER), VK_RETURN);
        ASSERT_TRUE(pupil.Shows(IDC_TEST_PROGRESS, "Otázka 2 z 3, nezodpovězeno 2"));
        pupil.Set(IDC_TEST_ANSWER, "CO2");
        p.Key(GetDlgItem(pupil.dialog, IDC_TEST_ANSWER), VK_RETURN);
        ASSERT_TRUE(pupil.Shows(IDC_TEST_PROGRESS, "Otázka 3 z 3, nezodpovězeno 1"));
        pupil.Click(IDC_TEST_PREVIOUS);
        ASSERT_TRUE(pupil.Shows(IDC_TEST_PROGRESS, "Otázka 2 z 3, nezodpovězeno 1"));
        EXPECT_EQ(pupil.Text(IDC_TEST_ANSWER), "CO2");
        testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("test-take"));
        // Every answer is in the result file already.
        const practice::Attempt open = ReadResult(first);
        EXPECT_FALSE(open.handedIn);
        EXPECT_EQ(open.pupil.name, "Jan Novák");
        EXPECT_EQ(open.answers[1].answer, "CO2");
        EXPECT_EQ(practice::Points(open), 1);
        // The computer crashes.
        const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, p.pid());
        ASSERT_NE(process, nullptr);
        TerminateProcess(process, 9);
        CloseHandle(process);
        EXPECT_EQ(p.WaitForExit(), 9u);
    }
    {
        Program p;
        ASSERT_NE(p.WaitForMainDialog(), nullptr);
        const Pupil pupil{OpenTest(p, testPath)};
        ASSERT_NE(pupil.dialog, nullptr);
        pupil.SignIn(" jan novák", "8.a");
        const e2e::Box resume = p.WaitForBox();
        EXPECT_NE(resume.text.find("rozpracovaný pokus"), std::string::npos) << resume.text;
        EXPECT_NE(resume.text.find("(zodpovězeno 2 z 3)"), std::string::npos) << resume.text;
        p.Answer(resume, IDYES);
        ASSERT_TRUE(pupil.Shows(IDC_TEST_PROGRESS, "Otázka 3 z 3, nezodpovězeno 1"));
        // Handing in with a question unanswered asks first.
        pupil.Click(IDC_TEST_HAND_IN);
        const e2e::Box unanswered = p.WaitForBox();
        EXPECT_EQ(unanswered.text, "Nezodpovězené otázky: 1 z 3. Chceš test přesto odevzdat? "
                                   "Potom už odpovědi nepůjde změnit.");
        p.Answer(unanswered, IDYES);
        ASSERT_TRUE(
            pupil.Shows(IDC_TEST_RESULT, "Výsledek: 1 z 3 bodů (33,3 %), známka 4 – dostatečně."));
        const std::string report = pupil.Text(IDC_TEST_REPORT);
        EXPECT_EQ(report.rfind("1. Fe2O3, tvoje odpověď: „oxid železitý“", 0), 0u) << report;
        EXPECT_NE(report.find("Správně! Fe2O3 – oxid železitý."), std::string::npos);
        EXPECT_NE(report.find("3. SO3, tvoje odpověď: –"), std::string::npos);
        RedrawWindow(pupil.dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testsupport::SaveScreenshot(pupil.dialog, testsupport::ScreenshotPath("test-result"));
        const practice::Attempt handedIn = ReadResult(first);
        EXPECT_TRUE(handedIn.handedIn);
        EXPECT_EQ(handedIn.mark, 4);
        p.Key(pupil.dialog, VK_ESCAPE); // handed in: closes without a question
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(pupil.dialog); }));

        // Again under the same name: a new attempt in a file of its own.
        const Pupil again{OpenTest(p, testPath)};
        ASSERT_NE(again.dialog, nullptr);
        again.SignIn("Jan Novák", "8.A");
        ASSERT_TRUE(again.Shows(IDC_TEST_PROGRESS, "Otázka 1 z 3, nezodpovězeno 3"));
        EXPECT_EQ(testsupport::FolderEntries(results),
                  (std::vector<std::string>{"Jan Novák 8.A (2).txt", "Jan Novák 8.A.txt"}));
        p.Key(again.dialog, VK_ESCAPE);
        const e2e::Box leaving = p.WaitForBox();
        EXPECT_EQ(leaving.text.rfind("Test ještě není odevzdaný.", 0), 0u);
        p.Answer(leaving, IDYES);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(again.dialog); }));
        EXPECT_TRUE(ReadResult(first).handedIn) << "the first attempt is not touched";
        PostMessageA(p.main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(p.WaitForExit(), 0u);
    }
}

// An attempt left open on this computer whose time ran out meanwhile: on
// return it is handed in as it stands, the time counted from its first start.
TEST(TestTakeStory, TimeRunOutWhileAwayHandsInOnReturn) {
    const testsupport::TempFolder share("test-time");
    practice::ClassTest test = OxideTest();
    test.minutes = 1;
    const std::string testPath = share / "Oxidy.zemtest";
    ASSERT_TRUE(testsupport::WriteFileBytes(testPath, practice::TestFileText(test)));
    std::vector<char> text(MAX_COMPUTERNAME_LENGTH + 1, '\0');
    DWORD size = static_cast<DWORD>(text.size());
    ASSERT_TRUE(GetComputerNameA(text.data(), &size));
    const practice::Pupil pupil = {"Eva Malá", "8.B", "", text.data()};
    practice::Attempt open = practice::StartAttempt(test, 0, pupil, {2026, 1, 5, 8, 0, 0}, "1");
    practice::RecordAnswer(open, test, 0, "oxid železitý");
    const std::string result = share / "Eva Malá 8.B.txt";
    ASSERT_TRUE(testsupport::WriteFileBytes(result, practice::AttemptFileText(open)));
    text.assign(MAX_PATH, '\0');
    ASSERT_EQ(
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, text.data()),
        S_OK);
    const std::string copies = std::string(text.data()) + "\\Zemit\\Testy\\";
    SHCreateDirectoryExA(nullptr, copies.c_str(), nullptr);
    ASSERT_TRUE(testsupport::WriteFileBytes(copies + practice::LocalAttemptName(test, pupil),
                                            result + "\r\n" + practice::AttemptFileText(open)));

    Program p;
    ASSERT_NE(p.WaitForMainDialog(), nullptr);
    const Pupil sitting{OpenTest(p, testPath)};
    ASSERT_NE(sitting.dialog, nullptr);
    sitting.SignIn("Eva Malá", "8.B");
    p.Answer(p.WaitForBox(), IDYES); // continue the open attempt
    const e2e::Box late = p.WaitForBox();
    EXPECT_EQ(late.text, "Čas vypršel. Test je odevzdaný tak, jak byl vyplněný.");
    p.Answer(late);
    EXPECT_TRUE(
        sitting.Shows(IDC_TEST_RESULT, "Výsledek: 1 z 3 bodů (33,3 %), známka 4 – dostatečně."));
    const practice::Attempt handedIn = ReadResult(result);
    EXPECT_TRUE(handedIn.handedIn);
    EXPECT_EQ(handedIn.start, open.start);
    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    p.Key(sitting.dialog, VK_ESCAPE);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

} // namespace
