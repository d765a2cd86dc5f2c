// File, mapping and process utilities on the real platform: project files,
// file facts of pictures, file times, shell copies, version texts, item text
// files, the shared file between two processes, and process names.
#include "support/files/Files.h"

#include "base/Owners.h"

#include "BoxChecks.h"
#include "Files.h"
#include "HostWindow.h"
#include "Process.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

using namespace support;
using namespace testsupport;

namespace {

constexpr int kItem = 100;

// A file of the test data, as a path the Windows program can open.
std::string DataFile(const std::string& name) {
    std::string path = std::string("Z:") + ZEMIT_TEST_DATA + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string LastError(DWORD error) {
    return "Last Error:  " + std::to_string(error);
}

// A host window with an edit control `kItem`, standing in for a dialog.
struct ItemHost {
    HostWindow host;
    HWND edit = CreateChild(host.get(), "EDIT", "", ES_MULTILINE, 0, 0, 200, 100, kItem);
    std::string Text() const { return WindowText(edit); }
    void SetText(const std::string& text) const { SetWindowTextA(edit, text.c_str()); }
};

TEST(Files, ReadProjectFile) {
    const TempFolder temp("project");
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"a\r\nb", "a\nb\n"},
        {"", "\n"},
        {std::string(5000, 'L') + "\nz", std::string(5000, 'L') + "\nz\n"},
    };
    MessageBoxWatcher watcher;
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes(temp / "p.prj", c.bytes));
        EXPECT_EQ(ReadProjectFile((temp / "p.prj").c_str()), c.text);
    }
    ExpectNoBox(watcher.boxes());
    EXPECT_EQ(ReadProjectFile((temp / "missing.prj").c_str()), "");
    EXPECT_EQ(ReadProjectFile(std::string(260, 'p').c_str()), "");
    ASSERT_EQ(watcher.boxes().size(), 2u);
    ExpectBox(watcher.boxes()[0], LastError(ERROR_FILE_NOT_FOUND), "Nelze otevřít soubor projektu",
              nullptr, IDI_HAND);
    ExpectBox(watcher.boxes()[1], LastError(ERROR_FILENAME_EXCED_RANGE),
              "Nelze otevřít soubor projektu", nullptr, IDI_HAND);
}

TEST(Files, QueryFileInfoOfPicturesAndFiles) {
    LONG width = 0, height = 0;
    WORD bits = 0;
    int stage = -1;
    DWORD code = 99;
    EXPECT_TRUE(QueryFileInfo(DataFile("photo.jpg").c_str(), nullptr, nullptr, &width, &height,
                              &bits, &stage, &code));
    EXPECT_EQ(width, 37);
    EXPECT_EQ(height, 23);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(bits, GetDeviceCaps(screen, BITSPIXEL)); // a picture gets the screen's depth
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(stage, kInfoOk);
    EXPECT_EQ(code, 0u);

    uint64_t size = 0;
    SYSTEMTIME created = {};
    EXPECT_TRUE(QueryFileInfo(DataFile("photo.jpg").c_str(), &size, &created, nullptr, nullptr,
                              nullptr, &stage, &code));
    EXPECT_EQ(size, ReadFileBytes(DataFile("photo.jpg")).size());
    EXPECT_GE(created.wYear, 1980);

    // A name relative to the current folder reaches the picture loader whole.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(DataFile("").c_str()));
    width = 0;
    EXPECT_TRUE(
        QueryFileInfo("photo.jpg", nullptr, nullptr, &width, nullptr, nullptr, &stage, &code))
        << std::hex << code;
    EXPECT_EQ(width, 37);
    SetCurrentDirectoryA(previous);

    EXPECT_FALSE(QueryFileInfo(DataFile("icon.ico").c_str(), nullptr, nullptr, &width, nullptr,
                               nullptr, &stage, &code));
    EXPECT_EQ(stage, kInfoPictureObject);

    EXPECT_FALSE(QueryFileInfo(DataFile("missing.jpg").c_str(), &size, nullptr, &width, nullptr,
                               nullptr, &stage, &code));
    EXPECT_EQ(stage, kInfoOpen);
    EXPECT_EQ(code, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(QueryFileInfo(DataFile("photo.jpg").c_str(), nullptr, nullptr, nullptr, nullptr,
                               nullptr, &stage, &code));
    EXPECT_EQ(stage, kInfoOk);
    EXPECT_FALSE(QueryFileInfo("", &size, nullptr, nullptr, nullptr, nullptr, &stage, &code));
    EXPECT_EQ(stage, kInfoNoPath);
    EXPECT_FALSE(QueryFileInfo(std::string(300, 'a').c_str(), &size, nullptr, nullptr, nullptr,
                               nullptr, &stage, &code));
    EXPECT_EQ(stage, kInfoOpen);
}

TEST(Files, StampFileTimesCreatesAndStamps) {
    const TempFolder temp("stamp");
    const std::string path = temp / "new.txt";
    SYSTEMTIME wanted = {2026, 12, 1, 7, 9, 5, 3, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&wanted, &time));
    SYSTEMTIME converted = {};
    MessageBoxWatcher watcher;
    StampFileTimes(path.c_str(), &time, &converted, false);
    ExpectNoBox(watcher.boxes());
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(converted.wYear, 2026);
    EXPECT_EQ(converted.wMinute, 5);

    FILETIME readBack = {};
    SYSTEMTIME readSystem = {};
    StampFileTimes(path.c_str(), &readBack, &readSystem, true);
    EXPECT_EQ(CompareFileTime(&readBack, &time), 0);
    EXPECT_EQ(readSystem.wDay, 7);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(CompareFileTime(&data.ftLastWriteTime, &time), 0);
}

TEST(Files, CopyJpegFilesIntoAnEmptyFolder) {
    const TempFolder temp("jpeg");
    const std::string source = temp / "src";
    const std::string target = temp / "out";
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA(target.c_str(), nullptr);
    const std::string photo = ReadFileBytes(DataFile("photo.jpg"));
    WriteFileBytes(source + "\\a.jpg", photo);
    WriteFileBytes(source + "\\b.jpg", photo);
    WriteFileBytes(source + "\\c.txt", "not a picture");
    const std::string destinations = target + std::string(2, '\0');

    // The copy runs beside the test, so that any shell window can be seen,
    // answered and reported instead of blocking the run.
    std::atomic<bool> done{false};
    bool copied = false;
    std::thread copy([&] {
        copied = CopyJpegFiles(source.c_str(), destinations.c_str());
        done = true;
    });
    std::vector<std::string> prompts;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(GetCurrentProcessId())) {
                if (IsWindowVisible(window) && ClassName(window) == "#32770") {
                    prompts.push_back(WindowText(window));
                    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                }
            }
            return done.load();
        },
        60);
    copy.join();
    EXPECT_TRUE(prompts.empty()) << prompts.front();
    EXPECT_TRUE(copied);
    EXPECT_EQ(ReadFileBytes(target + "\\a.jpg"), photo);
    EXPECT_EQ(ReadFileBytes(target + "\\b.jpg"), photo);
    EXPECT_FALSE(FileExists(target + "\\c.txt"));
    EXPECT_FALSE(CopyJpegFiles(std::string(256, 'a').c_str(), destinations.c_str()));
}

TEST(Files, GetFileVersionTextReadsTheUsEnglishTable) {
    EXPECT_EQ(GetFileVersionText(ExecutablePath().c_str()), "3.1.4.1 test");
    EXPECT_EQ(GetFileVersionText((ExecutableDirectory() + ZEMIT_FILES_PEER).c_str()), "");
    EXPECT_EQ(GetFileVersionText((ExecutableDirectory() + "missing.exe").c_str()), "");
}

TEST(Files, SaveAndLoadItemText) {
    const TempFolder temp("items");
    const ItemHost host;
    const std::string text = "Ahoj\r\nsvěte, žluťoučký kůň";
    host.SetText(text);
    MessageBoxWatcher watcher;
    ASSERT_TRUE(SaveItemText(host.host.get(), (temp / "item.txt").c_str(), kItem));
    EXPECT_EQ(ReadFileBytes(temp / "item.txt"), text);

    host.SetText("");
    EXPECT_TRUE(LoadItemText(host.host.get(), (temp / "item.txt").c_str(), kItem));
    EXPECT_EQ(host.Text(), text);

    // An empty item writes nothing and leaves an existing file alone.
    host.SetText("");
    EXPECT_FALSE(SaveItemText(host.host.get(), (temp / "item.txt").c_str(), kItem));
    EXPECT_EQ(ReadFileBytes(temp / "item.txt"), text);
    ExpectNoBox(watcher.boxes());

    host.SetText("stays empty after a failed load");
    EXPECT_FALSE(LoadItemText(host.host.get(), (temp / "missing.txt").c_str(), kItem));
    EXPECT_EQ(host.Text(), "");
    ExpectOneBox(watcher.boxes(), LastError(ERROR_FILE_NOT_FOUND), "Nepodařilo se otevřít soubor",
                 nullptr, IDI_HAND);
}

TEST(Files, SaveItemTextReportsFailuresAndFails) {
    const TempFolder temp("items-bad");
    const ItemHost host;
    host.SetText("text");
    const struct {
        std::string path;
        DWORD error;
        const char* caption;
    } cases[] = {
        {temp / "no\\such\\folder.txt", ERROR_PATH_NOT_FOUND, "Nepodařilo se vytvořit soubor"},
        {"Z:\\dev\\full", ERROR_DISK_FULL, "Chyba zápisu do souboru"}, // every write fails
    };
    for (const auto& c : cases) {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(SaveItemText(host.host.get(), c.path.c_str(), kItem)) << c.path;
        ExpectOneBox(watcher.boxes(), LastError(c.error), c.caption, nullptr, IDI_HAND, c.path);
    }
}

struct PeerRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::vector<Box> boxes;
};

// Runs the peer program with `arguments` and waits for it; any box it shows
// is recorded and answered.
PeerRun RunPeer(const std::string& arguments) {
    PeerRun run;
    ChildProcess peer("\"" + ExecutableDirectory() + ZEMIT_FILES_PEER + "\" " + arguments);
    const bool ended = WaitUntil(
        [&] {
            for (const Box& box : OpenBoxes(peer.pid())) {
                run.boxes.push_back(box);
                AnswerBox(box);
            }
            return !peer.Running();
        },
        60);
    EXPECT_TRUE(ended) << "peer did not end";
    run.exitCode = peer.WaitForExit(0);
    return run;
}

TEST(Files, SharedFileBetweenTwoProcesses) {
    const TempFolder temp("shared");
    const std::string path = temp / "shared.txt";
    ASSERT_TRUE(WriteFileBytes(path, "0123456789"));
    const ItemHost host;
    {
        DialogAnswerer answer("", AnswerFileDialog(path));
        ASSERT_TRUE(OpenSharedFile(host.host.get(), kItem));
        EXPECT_TRUE(answer.seen());
    }
    ASSERT_NE(SharedView, nullptr);
    EXPECT_EQ(host.Text(), "0123456789");
    EXPECT_EQ(GetFileSize(SharedFileHandle, nullptr), 11u);
    {
        // A second shared file is refused while one is open.
        DialogAnswerer answer("", AnswerFileDialog(path));
        EXPECT_FALSE(OpenSharedFile(host.host.get(), kItem));
    }

    const PeerRun shown = RunPeer("show \"" + (temp / "seen.txt") + "\"");
    EXPECT_EQ(shown.exitCode, 1u);
    ExpectNoBox(shown.boxes);
    EXPECT_EQ(ReadFileBytes(temp / "seen.txt"), "0123456789");

    // Another process cannot share a file of its own under the same name:
    // neither file changes, and it is told so.
    const std::string other(4000, 'o');
    ASSERT_TRUE(WriteFileBytes(temp / "other.txt", other));
    const PeerRun refused = RunPeer("open \"" + (temp / "other.txt") + "\"");
    EXPECT_EQ(refused.exitCode, 0u);
    ExpectNoBox(refused.boxes);
    EXPECT_EQ(std::string(SharedView, 11), std::string("0123456789\0", 11));
    EXPECT_EQ(ReadFileBytes(temp / "other.txt"), other);

    const PeerRun masked = RunPeer("mask");
    EXPECT_EQ(masked.exitCode, 1u);
    EXPECT_EQ(std::string(SharedView), "**********");
    EXPECT_TRUE(ShowSharedText(host.host.get(), kItem));
    EXPECT_EQ(host.Text(), "**********");

    EXPECT_TRUE(CloseSharedFile(host.host.get(), kItem));
    EXPECT_EQ(SharedView, nullptr);
    EXPECT_EQ(host.Text(), "");
    EXPECT_EQ(ReadFileBytes(path), std::string("**********\0", 11));
    EXPECT_FALSE(CloseSharedFile(host.host.get(), kItem));

    // With no shared file the reader reports the missing mapping, in the peer too.
    MessageBoxWatcher watcher;
    EXPECT_FALSE(MaskSharedText());
    ExpectOneBox(watcher.boxes(), LastError(ERROR_FILE_NOT_FOUND), "Nelze otevřít mapovaný soubor.",
                 nullptr, IDI_HAND);
    const PeerRun missing = RunPeer("show \"" + (temp / "none.txt") + "\"");
    EXPECT_EQ(missing.exitCode, 0u);
    ExpectOneBox(missing.boxes, LastError(ERROR_FILE_NOT_FOUND), "Nelze otevřít mapovaný soubor.",
                 nullptr, IDI_HAND);
}

TEST(Files, PrependToFile) {
    const TempFolder temp("prepend");
    const struct {
        std::string before;
        const char* text;
        std::string after;
    } cases[] = {
        {"xyz", "abc", "abcxyz"},
        {"", "abc", "abc"},
        {"xyz", "", "xyz"},
        {std::string(10000, 'x'), "ab", "ab" + std::string(10000, 'x')},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes(temp / "f.txt", c.before));
        EXPECT_TRUE(PrependToFile((temp / "f.txt").c_str(), c.text));
        EXPECT_EQ(ReadFileBytes(temp / "f.txt"), c.after);
    }
    EXPECT_FALSE(PrependToFile((temp / "missing.txt").c_str(), "abc"));
    EXPECT_FALSE(FileExists(temp / "missing.txt"));
}

TEST(Files, PrependToFileTooLargeToViewKeepsItsSize) {
    // A file too large to view in a 32-bit process (sparse, so cheap): the
    // call fails and the file keeps its size. A 64-bit process views it whole.
    if (sizeof(void*) != 4) {
        GTEST_SKIP() << "only a 32-bit process lacks the address space for the view";
    }
    const TempFolder temp("prepend-large");
    const std::string large = temp / "large.bin";
    LARGE_INTEGER size = {};
    size.QuadPart = 0xF0000000;
    {
        const base::FileOwner file(
            CreateFileA(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) &&
                    SetEndOfFile(file.Get()));
    }
    EXPECT_FALSE(PrependToFile(large.c_str(), "abc"));
    WIN32_FILE_ATTRIBUTE_DATA facts = {};
    ASSERT_TRUE(GetFileAttributesExA(large.c_str(), GetFileExInfoStandard, &facts));
    EXPECT_EQ(facts.nFileSizeLow, size.LowPart);
}

TEST(Files, ProcessNamesOfTheOwnWindow) {
    const HostWindow host;
    char path[MAX_PATH] = "junk";
    EXPECT_TRUE(GetWindowProcessPath(host.get(), path));
    EXPECT_STREQ(path, ExecutablePath().c_str());

    char base[MAX_PATH] = "junk";
    char full[8] = "junk";
    EXPECT_TRUE(GetProcessModuleNames(GetCurrentProcessId(), base, MAX_PATH, full, sizeof full));
    EXPECT_STREQ(base, "files_tests.exe");
    EXPECT_EQ(std::string(full), ExecutablePath().substr(0, sizeof full - 1)); // cut, terminated

    EXPECT_FALSE(GetProcessModuleNames(0xFFFFFFF0u, base, MAX_PATH, nullptr, 0));
    EXPECT_STREQ(base, "");
}

} // namespace
