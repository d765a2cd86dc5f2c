// The Rich Edit utilities on a real "RichEdit20A" control under Wine, with
// the colour, save and open dialogs answered from a second thread.
#include "support/richedit/RichEdit.h"

#include "app/Globals.h"

#include "BoxChecks.h"
#include "Files.h"
#include "HostWindow.h"
#include "MessageHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testsupport::MessageHost;

class Environment : public ::testing::Environment {
  public:
    void SetUp() override {
        app::g_hInstance = GetModuleHandleA(nullptr);
        ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

constexpr int kRichId = 77;

// A host (standing in for the main dialog) with a Rich Edit control that is
// the target of the operations.
struct RichHost : ::testing::Test {
    void SetUp() override {
        rich = testsupport::CreateChild(host.get(), "RichEdit20A", "", WS_VISIBLE | ES_MULTILINE,
                                        10, 10, 360, 220, kRichId);
        ASSERT_NE(rich, nullptr);
        support::RichEditTarget = rich;
        app::g_hMainDialog = host.get();
    }
    void TearDown() override {
        support::RichEditTarget = nullptr;
        app::g_hMainDialog = nullptr;
    }

    // New text without effects (the control's default font may be bold).
    void SetText(const std::string& text) const {
        SetWindowTextA(rich, text.c_str());
        CHARFORMAT2A plain = {};
        plain.cbSize = sizeof plain;
        plain.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
        SendMessageA(rich, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
    }
    // The text with each line break as a single carriage return.
    std::string Text() const {
        std::string text(GetWindowTextLengthA(rich) + 1, '\0');
        text.resize(GetWindowTextA(rich, &text[0], static_cast<int>(text.size())));
        std::string plain;
        for (char c : text) {
            if (c != '\n') {
                plain += c;
            }
        }
        return plain;
    }
    void Select(LONG first, LONG last) const { SendMessageA(rich, EM_SETSEL, first, last); }
    CHARRANGE Selection() const {
        CHARRANGE range = {};
        SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    CHARFORMAT2A FormatOf(LONG first, LONG last) const {
        Select(first, last);
        CHARFORMAT2A format = {};
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    void SetEffects(LONG first, LONG last, DWORD mask, DWORD effects) const {
        Select(first, last);
        CHARFORMAT2A format = {};
        format.cbSize = sizeof format;
        format.dwMask = mask;
        format.dwEffects = effects;
        SendMessageA(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }

    MessageHost host;
    HWND rich = nullptr;
};

constexpr DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT;

TEST_F(RichHost, FormatSelectionAppliesTheMaskedAttributesAndKeepsStrikeout) {
    const struct {
        DWORD before;
        DWORD mask;
        BOOL bold, italic, underline;
        DWORD after;
    } cases[] = {
        // Bold cleared by a flag of 0 when the mask has it.
        {CFE_BOLD, CFM_BOLD | CFM_COLOR, FALSE, FALSE, FALSE, 0},
        // Strikeout survives whatever the flags, with or without its mask bit.
        {CFE_STRIKEOUT | CFE_BOLD, CFM_BOLD | CFM_STRIKEOUT, FALSE, TRUE, TRUE, CFE_STRIKEOUT},
        {CFE_STRIKEOUT, CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR, TRUE, TRUE, TRUE,
         kEffects},
        // The caller cannot strike out.
        {0, CFM_STRIKEOUT | CFM_ITALIC, FALSE, TRUE, FALSE, CFE_ITALIC},
        // Attributes outside the mask stay.
        {CFE_BOLD | CFE_UNDERLINE, CFM_ITALIC, FALSE, TRUE, FALSE,
         CFE_BOLD | CFE_UNDERLINE | CFE_ITALIC},
    };
    SetText("slovo druhé");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "before " << c.before << " mask " << c.mask);
        SetEffects(0, 5, kEffects, c.before);
        Select(0, 5);
        SetFocus(host.get());
        CHARFORMAT2A buffer;
        std::memset(&buffer, 0, sizeof buffer);
        EXPECT_TRUE(support::FormatSelection(rich, c.mask, &buffer, 255, 0, 0, c.bold, c.italic,
                                             c.underline));
        EXPECT_EQ(buffer.cbSize, sizeof(CHARFORMAT2A));
        EXPECT_EQ(buffer.dwMask, c.mask);
        EXPECT_EQ(buffer.crBackColor, 0xFFFFFFu);
        EXPECT_EQ(GetFocus(), rich);
        const CHARFORMAT2A after = FormatOf(0, 5);
        EXPECT_EQ(after.dwEffects & kEffects, c.after);
        EXPECT_EQ(FormatOf(6, 11).dwEffects & kEffects, 0u); // the rest of the text
    }
}

TEST_F(RichHost, FormatSelectionColourAndKeptFace) {
    SetText("barevné písmo");
    DWORD mask = 0;
    CHARFORMATA face;
    Select(0, 13);
    ASSERT_TRUE(support::SetSelectionFace(rich, mask, &face, "Liberation Serif"));
    // How red, green and blue make the colour is checked without a control.
    Select(0, 7);
    CHARFORMAT2A buffer = {};
    EXPECT_TRUE(support::FormatSelection(rich, CFM_COLOR | CFM_FACE | CFM_CHARSET, &buffer, 10, 20,
                                         30, FALSE, FALSE, FALSE));
    const CHARFORMAT2A after = FormatOf(0, 7);
    EXPECT_EQ(after.crTextColor, 0x1E140Au);
    EXPECT_EQ(after.dwEffects & CFE_AUTOCOLOR, 0u);
    EXPECT_STREQ(after.szFaceName, "Liberation Serif");
    EXPECT_EQ(after.bCharSet, EASTEUROPE_CHARSET);
}

TEST_F(RichHost, FormattingFailuresAreReportedByBoxes) {
    // A control that is no Rich Edit refuses the format.
    HWND plain = testsupport::CreateChild(host.get(), "STATIC", "", WS_VISIBLE, 0, 240, 50, 20);
    testsupport::MessageBoxWatcher watcher;
    CHARFORMAT2A buffer = {};
    EXPECT_FALSE(support::FormatSelection(plain, CFM_BOLD, &buffer, 0, 0, 0, TRUE, 0, 0));
    DWORD mask = 0;
    CHARFORMATA face = {};
    EXPECT_FALSE(support::SetSelectionFace(plain, mask, &face, "Arial"));
    ASSERT_EQ(watcher.boxes().size(), 2u);
    testsupport::ExpectBox(watcher.boxes()[0], "FORMAT ERROR", "Error", host.get(), nullptr);
    testsupport::ExpectBox(watcher.boxes()[1], "EM_SETCHARFORMAT", "Error", host.get(), nullptr);
}

TEST_F(RichHost, SetSelectionFaceFormatsTheWordAtTheCaret) {
    SetText("alfa beta gama");
    SetEffects(0, 14, CFM_BOLD | CFM_ITALIC, CFE_BOLD | CFE_ITALIC);
    Select(6, 6); // inside "beta", nothing selected
    DWORD mask = 0;
    CHARFORMATA buffer;
    std::memset(&buffer, 0x5A, sizeof buffer);
    EXPECT_TRUE(support::SetSelectionFace(rich, mask, &buffer, "Liberation Serif"));
    EXPECT_EQ(mask, 0xEC00000Fu);
    EXPECT_EQ(buffer.dwMask, 0xEC00000Fu);
    const CHARFORMAT2A word = FormatOf(5, 9);
    EXPECT_STREQ(word.szFaceName, "Liberation Serif");
    EXPECT_EQ(word.yHeight, 190);
    EXPECT_EQ(word.bCharSet, EASTEUROPE_CHARSET);
    EXPECT_EQ(word.crTextColor, 0u);
    EXPECT_EQ(word.dwEffects & kEffects, 0u);
    const CHARFORMAT2A before = FormatOf(0, 4);
    EXPECT_STRNE(before.szFaceName, "Liberation Serif");
    EXPECT_EQ(before.dwEffects & kEffects, DWORD{CFE_BOLD | CFE_ITALIC});
}

TEST_F(RichHost, SetSelectionFaceCutsALongNameInsideItsField) {
    SetText("text");
    struct {
        CHARFORMATA format;
        char guard[8];
    } buffer;
    std::memset(&buffer, '#', sizeof buffer);
    const std::string longName(40, 'F');
    Select(0, 4);
    DWORD mask = 0;
    EXPECT_TRUE(support::SetSelectionFace(rich, mask, &buffer.format, longName.c_str()));
    EXPECT_EQ(std::string(buffer.format.szFaceName), std::string(31, 'F'));
    EXPECT_EQ(std::string(buffer.guard, 8), "########");
    EXPECT_EQ(std::string(FormatOf(0, 4).szFaceName), std::string(31, 'F'));
}

TEST_F(RichHost, MarkSelectionRedAndBlack) {
    SetText("jedna dva");
    // The control's text starts in the automatic colour, which hides any other.
    ASSERT_NE(FormatOf(6, 9).dwEffects & CFE_AUTOCOLOR, 0u);
    const struct {
        BOOL red;
        COLORREF colour;
    } cases[] = {{TRUE, 0x0000FF}, {FALSE, 0}, {7, 0x0000FF}};
    for (const auto& c : cases) {
        Select(6, 9);
        SetFocus(host.get());
        CHARFORMAT2A buffer = {};
        EXPECT_NE(support::MarkSelectionRed(rich, c.red, &buffer), 0);
        EXPECT_EQ(GetFocus(), rich);
        const CHARFORMAT2A after = FormatOf(6, 9);
        EXPECT_EQ(after.crTextColor, c.colour);
        EXPECT_EQ(after.dwEffects & CFE_AUTOCOLOR, 0u);
        EXPECT_NE(FormatOf(0, 5).dwEffects & CFE_AUTOCOLOR, 0u);
    }
}

TEST_F(RichHost, EffectQueriesAndSetters) {
    const struct {
        DWORD (*is)();
        LRESULT (*set)(BOOL);
        DWORD effect;
    } cases[] = {
        {support::IsSelectionBold, support::SetSelectionBold, CFE_BOLD},
        {support::IsSelectionItalic, support::SetSelectionItalic, CFE_ITALIC},
        {support::IsSelectionUnderlined, support::SetSelectionUnderlined, CFE_UNDERLINE},
    };
    SetText("jedno slovo");
    for (const auto& c : cases) {
        Select(0, 5);
        EXPECT_EQ(c.is(), 0u);
        EXPECT_NE(c.set(TRUE), 0);
        EXPECT_EQ(c.is(), c.effect);
        EXPECT_EQ(FormatOf(0, 5).dwEffects & kEffects, c.effect); // only that one
        EXPECT_EQ(FormatOf(6, 11).dwEffects & kEffects, 0u);
        Select(0, 5);
        EXPECT_NE(c.set(FALSE), 0);
        EXPECT_EQ(c.is(), 0u);
    }
}

TEST_F(RichHost, FindWholeWordPutsTheCaretBeforeAWholeMatchingWord) {
    SetText("Alfa beta Betaverze beta gama\r\nkonec");
    const struct {
        const char* word;
        LONG position;
    } cases[] = {
        {"beta", 5},   {"Betaverze", 10}, {"gama", 25},
        {"konec", 30}, {"Beta", -1}, // another letter case
        {"eta", -1},                 // inside a word
        {"verze", -1}, {"ALFA", -1},      {"delta", -1},
    };
    for (const auto& c : cases) {
        Select(2, 3);
        const LRESULT result = support::FindWholeWord(c.word);
        const CHARRANGE selection = Selection();
        if (c.position < 0) {
            EXPECT_LT(result, 0) << c.word;
            EXPECT_EQ(selection.cpMin, 2) << c.word;
            EXPECT_EQ(selection.cpMax, 3) << c.word;
        } else {
            EXPECT_GE(result, 0) << c.word;
            EXPECT_EQ(selection.cpMin, c.position) << c.word;
            EXPECT_EQ(selection.cpMax, c.position) << c.word;
        }
    }
}

TEST_F(RichHost, ShowCharacterCountCountsLineBreaksAsTwo) {
    const struct {
        const char* text;
        LRESULT count;
        const char* shown;
    } cases[] = {{"ab\r\ncd\r\nef", 10, "10"}, {"", 0, "0"}, {"žluťoučký kůň", 13, "13"}};
    for (const auto& c : cases) {
        SetText(c.text);
        testsupport::MessageBoxWatcher watcher;
        EXPECT_EQ(support::ShowCharacterCount(), c.count);
        testsupport::ExpectOneBox(watcher.boxes(), c.shown, "Počet znaků", host.get(),
                                  IDI_ASTERISK);
    }
}

TEST_F(RichHost, ClearToPlainTextEmptiesFirst) {
    SetText("tučný text");
    SetEffects(0, 5, CFM_BOLD, CFE_BOLD);
    EXPECT_EQ(support::ClearToPlainText(), 0); // zero: the switch succeeded
    EXPECT_EQ(GetWindowTextLengthA(rich), 0);
    EXPECT_NE(SendMessageA(rich, EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, 0);
}

TEST_F(RichHost, ZoomAndParagraphs) {
    SetText("první odstavec\r\ndruhý odstavec");
    Select(0, 3);
    support::SetDoubleZoom();
    WPARAM numerator = 0;
    LPARAM denominator = 0;
    SendMessageA(rich, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                 reinterpret_cast<LPARAM>(&denominator));
    EXPECT_EQ(numerator, 2u);
    EXPECT_EQ(denominator, 1);

    EXPECT_NE(support::JustifySelection(), 0);
    EXPECT_NE(support::SetDoubleSpacing(), 0);
    const auto paragraph = [this](LONG at) {
        Select(at, at);
        PARAFORMAT2 format = {};
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        return format;
    };
    EXPECT_EQ(paragraph(0).wAlignment, PFA_JUSTIFY);
    EXPECT_EQ(paragraph(0).bLineSpacingRule, 2);
    EXPECT_NE(paragraph(20).wAlignment, PFA_JUSTIFY); // the second paragraph
    EXPECT_NE(paragraph(20).bLineSpacingRule, 2);
}

TEST_F(RichHost, ShowVerticalScrollBarOnALongText) {
    std::string text;
    for (int line = 0; line < 60; ++line) {
        text += "řádek " + std::to_string(line) + "\r\n";
    }
    SetText(text);
    EXPECT_EQ(GetWindowLongA(rich, GWL_STYLE) & WS_VSCROLL, 0);
    support::ShowVerticalScrollBar();
    EXPECT_NE(GetWindowLongA(rich, GWL_STYLE) & WS_VSCROLL, 0);
}

COLORREF SwapBackground(HWND rich, COLORREF colour) {
    return static_cast<COLORREF>(SendMessageA(rich, EM_SETBKGNDCOLOR, 0, colour));
}

TEST_F(RichHost, ChooseRichBackgroundOffersCyanFirstAndRemembersTheChoice) {
    testsupport::DialogSeen seen;
    SetFocus(host.get());
    {
        testsupport::DialogAnswerer answerer(
            "Barva", testsupport::AnswerColourDialog(RGB(10, 20, 30), &seen));
        support::ChooseRichBackground(rich);
        EXPECT_TRUE(answerer.seen());
    }
    EXPECT_EQ(seen.colour, "0,255,255");
    EXPECT_EQ(seen.owner, host.get());
    EXPECT_EQ(support::RichBackgroundColour, 0x1E140Au);
    EXPECT_EQ(SwapBackground(rich, 0x1E140A), 0x1E140Au);
    EXPECT_EQ(GetFocus(), rich);

    // Cancelled: nothing changes, and the focus still returns.
    SetFocus(host.get());
    {
        testsupport::DialogAnswerer answerer("Barva",
                                             testsupport::AnswerColourDialog(std::nullopt, &seen));
        support::ChooseRichBackground(rich);
        EXPECT_TRUE(answerer.seen());
    }
    EXPECT_EQ(seen.colour, "10,20,30");
    EXPECT_EQ(support::RichBackgroundColour, 0x1E140Au);
    EXPECT_EQ(SwapBackground(rich, 0x1E140A), 0x1E140Au);
    EXPECT_EQ(GetFocus(), rich);
}

struct RichFiles : RichHost {
    // Each answers its dialog with `path`, or cancels it when `path` is empty.
    BOOL Save(const std::string& path) {
        testsupport::DialogAnswerer answerer("Uložit jako",
                                             testsupport::AnswerFileDialog(path, &saved));
        const BOOL result = support::SaveRichFile();
        EXPECT_TRUE(answerer.seen());
        return result;
    }
    BOOL Open(const std::string& path) {
        testsupport::DialogAnswerer answerer("", testsupport::AnswerFileDialog(path, &opened));
        const BOOL result = support::OpenRichFile();
        EXPECT_TRUE(answerer.seen());
        return result;
    }

    testsupport::TempFolder folder{"richedit"};
    testsupport::DialogSeen saved;
    testsupport::DialogSeen opened;
};

TEST_F(RichFiles, ShortDocumentSavedOverALongerFileLeavesOnlyItself) {
    const std::string path = folder / "dokument.rtf";
    const std::string filler(20000, 'x');
    ASSERT_TRUE(testsupport::WriteFileBytes(path, "{\\rtf1 " + filler + "}"));
    SetText("Krátký dokument");
    EXPECT_TRUE(Save(path));
    EXPECT_EQ(saved.owner, host.get());
    const std::string bytes = testsupport::ReadFileBytes(path);
    EXPECT_EQ(bytes.rfind("{\\rtf", 0), 0u);
    EXPECT_LT(bytes.size(), 2000u);
    EXPECT_EQ(bytes.find("xxxx"), std::string::npos);
    EXPECT_NE(bytes.find('}'), std::string::npos);

    SetText("něco jiného");
    EXPECT_TRUE(Open(path));
    EXPECT_EQ(opened.owner, host.get());
    EXPECT_EQ(Text(), "Krátký dokument");
}

TEST_F(RichFiles, ADocumentOfManyStreamChunksOpensWhole) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0 ";
    std::string expected;
    for (int line = 0; rtf.size() < 120 * 1024; ++line) {
        const std::string text = "Řádek číslo " + std::to_string(line) + " dlouhého dokumentu";
        rtf += text + "\\par\n";
        expected += text + "\r";
    }
    rtf += "Konec}";
    expected += "Konec";
    const std::string path = folder / "velky.rtf";
    ASSERT_TRUE(testsupport::WriteFileBytes(path, rtf));
    // The control keeps its default text limit of 32,767 characters.
    ASSERT_LT(SendMessageA(rich, EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(expected.size()));
    EXPECT_TRUE(Open(path));
    EXPECT_GE(SendMessageA(rich, EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(rtf.size()));
    EXPECT_TRUE(Text() == expected);
}

TEST_F(RichFiles, CancelledDialogsChangeNothing) {
    const std::string path = folder / "nic.rtf";
    SetText("Beze změny");
    EXPECT_FALSE(Save(""));
    EXPECT_FALSE(testsupport::FileExists(path));
    ASSERT_TRUE(testsupport::WriteFileBytes(path, "{\\rtf1 Jiný obsah}"));
    EXPECT_FALSE(Open(""));
    EXPECT_EQ(Text(), "Beze změny");
}

TEST_F(RichFiles, AFileThatCannotBeCreatedIsNoSave) {
    const std::string path = folder / "zamceny.rtf";
    ASSERT_TRUE(testsupport::WriteFileBytes(path, "původní"));
    HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    SetText("nový obsah");
    EXPECT_FALSE(Save(path));
    CloseHandle(locked);
    EXPECT_EQ(testsupport::ReadFileBytes(path), "původní");
}

TEST_F(RichFiles, StreamCallbacksStopWhenTheFileFailsThem) {
    const std::string path = folder / "proud.bin";
    ASSERT_TRUE(testsupport::WriteFileBytes(path, "abcdef"));
    BYTE bytes[4] = {'w', 'x', 'y', 'z'};
    LONG done = -1;

    HANDLE reading = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(
        support::detail::WriteRichChunk(reinterpret_cast<DWORD_PTR>(reading), bytes, 4, &done), 0u);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(support::detail::ReadRichChunk(reinterpret_cast<DWORD_PTR>(reading), bytes, 4, &done),
              0u);
    EXPECT_EQ(done, 4);
    CloseHandle(reading);

    HANDLE writing =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    done = -1;
    EXPECT_NE(support::detail::ReadRichChunk(reinterpret_cast<DWORD_PTR>(writing), bytes, 4, &done),
              0u);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(
        support::detail::WriteRichChunk(reinterpret_cast<DWORD_PTR>(writing), bytes, 4, &done), 0u);
    EXPECT_EQ(done, 4);
    CloseHandle(writing);
    EXPECT_EQ(testsupport::ReadFileBytes(path), "abcdef");
}

} // namespace
