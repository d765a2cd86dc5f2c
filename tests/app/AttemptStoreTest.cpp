// Result files of a class test in the results folder: thirty pupils of one
// name handing in at once, each in a file of their own, none lost or mixed;
// and a file that cannot be replaced is still rewritten.
#include "dialogs/AttemptStore.h"
#include "practice/ClassResults.h"
#include "tests/app/ClassOfThirty.h"

#include "Files.h"
#include "Process.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

TEST(AttemptStore, ThirtyPupilsHandInAtOnce) {
    const testsupport::TempFolder share("thirty");
    const std::string folder = share / "Oxidy 8.A - výsledky";
    const std::string writer = testsupport::ExecutableDirectory() + "attempt_writer.exe";
    constexpr int kPupils = 30;
    std::vector<std::unique_ptr<testsupport::ChildProcess>> pupils;
    for (int n = 1; n <= kPupils; ++n) {
        pupils.push_back(std::make_unique<testsupport::ChildProcess>(
            "\"" + writer + "\" \"" + folder + "\" " + std::to_string(n)));
    }
    for (const auto& pupil : pupils) {
        EXPECT_EQ(pupil->WaitForExit(120), 0u) << pupil->Output();
    }
    std::vector<practice::FolderFile> files;
    for (const std::string& name : testsupport::FolderEntries(folder)) {
        files.push_back({name, testsupport::ReadFileBytes(folder + "\\" + name)});
    }
    std::string names;
    for (const auto& file : files) {
        names += file.name + "; ";
    }
    ASSERT_EQ(files.size(), static_cast<std::size_t>(kPupils)) << names;
    const practice::ClassTest test = classtest::Test();
    const practice::ClassOverview overview = practice::ReadClassResults(test, files);
    EXPECT_TRUE(overview.unreadable.empty());
    std::set<std::string> users;
    for (const practice::FolderFile& file : files) {
        const practice::Attempt attempt = practice::ReadAttemptFile(file.bytes).attempt;
        const int number = std::stoi(attempt.pupil.user.substr(3));
        EXPECT_TRUE(users.insert(attempt.pupil.user).second) << file.name;
        EXPECT_TRUE(attempt.handedIn) << file.name;
        EXPECT_EQ(attempt.variant, number % 2) << file.name;
        EXPECT_EQ(practice::Points(attempt), std::min(number % 5, 4)) << file.name;
    }
    EXPECT_EQ(users.size(), static_cast<std::size_t>(kPupils));
}

// Held open by a reader that lets others write but not delete it (the
// teacher's overview, a virus scanner), the file cannot be replaced: it is
// rewritten in place, whole.
TEST(AttemptStore, AFileThatCannotBeReplacedIsRewrittenInPlace) {
    const testsupport::TempFolder share("in-place");
    std::string path;
    ASSERT_TRUE(
        dialogs::CreateResultFile(share / "výsledky", "žák.txt", "first, longer text", path));
    EXPECT_EQ(path, share / "výsledky\\žák.txt");
    const HANDLE reader =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(dialogs::RewriteResultFile(path, "second"));
    CloseHandle(reader);
    EXPECT_EQ(testsupport::ReadFileBytes(path), "second");
    std::string second;
    ASSERT_TRUE(dialogs::CreateResultFile(share / "výsledky", "žák.txt", "x", second));
    EXPECT_EQ(second, share / "výsledky\\žák (2).txt");
}

} // namespace
