// What only Windows shows: a Rich Edit control reading the worksheet back,
// and the worksheet file written whole or not at all.
#include "base/Owners.h"
#include "base/WholeFile.h"
#include "dialogs/WorksheetDialog.h"
#include "practice/Round.h"
#include "practice/Selection.h"
#include "practice/Worksheet.h"

#include "Files.h"
#include "HostWindow.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>
#include <sstream>

using testsupport::FolderEntries;

namespace {

DWORD CALLBACK Pour(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* rest = reinterpret_cast<std::string*>(cookie);
    *given = static_cast<LONG>(std::min<size_t>(rest->size(), static_cast<size_t>(wanted)));
    rest->copy(reinterpret_cast<char*>(buffer), static_cast<size_t>(*given));
    rest->erase(0, static_cast<size_t>(*given));
    return 0;
}

// The control's paragraphs.
std::vector<std::string> LoadedParagraphs(std::string rtf) {
    EXPECT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    const testsupport::HostWindow host;
    HWND rich =
        testsupport::CreateChild(host.get(), "RichEdit20A", "", ES_MULTILINE, 0, 0, 600, 400);
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, Pour};
    SendMessageA(rich, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    std::string text(GetWindowTextLengthA(rich) + 1, '\0');
    text.resize(GetWindowTextA(rich, &text[0], static_cast<int>(text.size())));
    std::vector<std::string> paragraphs;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line, '\r');) {
        paragraphs.push_back(line.empty() || line[0] != '\n' ? line : line.substr(1));
    }
    return paragraphs;
}

TEST(Worksheet, RichEditReadsQuestionsPageBreakAndKey) {
    const practice::Selection oxides{{practice::Kind::Oxide}, practice::Level::Secondary};
    const auto questions = practice::DrawRound(
        practice::Groups(oxides, practice::ListedCompounds()), 30, practice::Direction::Mixed, 17);
    const auto paragraphs = LoadedParagraphs(practice::WorksheetRtf(questions));
    ASSERT_FALSE(paragraphs.empty());
    EXPECT_EQ(paragraphs[0], "Pracovní list: názvosloví");
    EXPECT_EQ(paragraphs[1], "Oxidy.");
    const auto key = std::find(paragraphs.begin(), paragraphs.end(), "Řešení");
    ASSERT_NE(key, paragraphs.end());
    ASSERT_EQ(paragraphs.end() - key, 31);
    ASSERT_GE(key - paragraphs.begin(), 31);
    // Where the page breaks, this Rich Edit shows an empty paragraph (newer
    // ones a form feed).
    EXPECT_TRUE(key[-1].empty() || key[-1] == "\f") << key[-1];
    const auto sheet = key - 31;
    for (size_t i = 0; i < questions.size(); ++i) {
        const practice::Compound& oxide = questions[i].compound;
        const bool name = questions[i].ask == practice::Ask::Name;
        const std::string number = std::to_string(i + 1) + ".\t";
        EXPECT_EQ(sheet[i],
                  number + (name ? oxide.formula : oxide.Name()) + "\t" + std::string(36, '_'));
        // What also counts follows in brackets.
        EXPECT_EQ(key[i + 1].rfind(number + (name ? oxide.formula + "\t" + oxide.Name()
                                                  : oxide.Name() + "\t" + oxide.formula),
                                   0),
                  0u)
            << key[i + 1];
    }
}

TEST(Worksheet, FileIsWrittenWholeOrNotAtAll) {
    const testsupport::TempFolder folder("worksheet");
    const std::string path = folder / "list oxidů.rtf";
    // A file of the user's that bears the first temporary name stays untouched.
    ASSERT_TRUE(testsupport::WriteFileBytes(path + "~", "moje"));
    ASSERT_TRUE(base::WriteWholeFile(path, "první"));
    // Over the first, which keeps what was set on it.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(base::WriteWholeFile(path, "druhý"));
    EXPECT_EQ(testsupport::ReadFileBytes(path), "druhý");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN,
              DWORD{FILE_ATTRIBUTE_HIDDEN});
    CreateDirectoryA((folder / "složka.rtf").c_str(), nullptr);
    const std::string readOnly = folder / "jen ke čtení.rtf";
    const std::string open = folder / "otevřený.rtf";
    for (const std::string& target : {readOnly, open}) {
        ASSERT_TRUE(base::WriteWholeFile(target, "starý"));
    }
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const base::FileOwner held(
        CreateFileA(open.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    const std::pair<std::string, practice::SaveFailure> refused[] = {
        {folder / "složka.rtf", practice::SaveFailure::Other},
        {folder / "chybí\\list.rtf", practice::SaveFailure::MissingFolder},
        {readOnly, practice::SaveFailure::ReadOnlyOrOpen},
        {open, practice::SaveFailure::ReadOnlyOrOpen},
    };
    for (const auto& [target, failure] : refused) {
        base::WriteStep step = base::WriteStep::None;
        EXPECT_FALSE(base::WriteWholeFile(target, "třetí", &step)) << target;
        EXPECT_EQ(dialogs::SaveFailureOf(target, step, GetLastError()), failure) << target;
    }
    // A folder where no file can be made (this prefix's user may write
    // anywhere) refuses the temporary file, not the worksheet already there.
    EXPECT_EQ(dialogs::SaveFailureOf(readOnly, base::WriteStep::Temporary, ERROR_ACCESS_DENIED),
              practice::SaveFailure::FolderNotWritable);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(testsupport::ReadFileBytes(path), "druhý");
    EXPECT_EQ(testsupport::ReadFileBytes(path + "~"), "moje");
    EXPECT_EQ(FolderEntries(folder.path()),
              (std::vector<std::string>{"jen ke čtení.rtf", "list oxidů.rtf", "list oxidů.rtf~",
                                        "otevřený.rtf", "složka.rtf"}))
        << "no temporary file left";
    EXPECT_TRUE(FolderEntries(folder / "složka.rtf").empty());
}

} // namespace
