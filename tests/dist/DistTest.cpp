// The installer and the portable zip as a teacher and a pupil use them: silent
// install, the installed program, silent uninstall, the unpacked zip. Run by
// run-dist-tests.sh in a Wine prefix of their own, which passes the installer
// in ZEMIT_SETUP and the folder the zip was unpacked into in ZEMIT_PORTABLE.
#include "Driver.h"

#include "app/ModuleInfo.h"
#include "base/Owners.h"
#include "resources/resource.h"

#include "Files.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <iterator>
#include <set>
#include <string>

namespace {

using testsupport::ExecutableDirectory;
using testsupport::FileExists;
using testsupport::ReadFileBytes;

const char kUninstallList[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zemit";

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length < MAX_PATH ? std::string(value, length) : std::string();
}

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool UninstallEntryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A text value of the uninstall entry; "" when it is missing.
std::string UninstallValue(const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return "";
    }
    return value;
}

// How many entries the list of installed programs holds.
DWORD InstalledPrograms() {
    HKEY list = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallList, 0, KEY_READ, &list) == ERROR_SUCCESS) {
        RegQueryInfoKeyA(list, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(list);
    }
    return count;
}

// The maker's entry of an executable's Czech version strings.
std::string CompanyName(const std::string& exe) {
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeA(exe.c_str(), &ignored), '\0');
    char* value = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(block.size()), &block[0]) ||
        !VerQueryValueA(block.data(), "\\StringFileInfo\\040504e2\\CompanyName",
                        reinterpret_cast<void**>(&value), &length)) {
        return "";
    }
    return value;
}

// The program a shell link starts.
std::string ShortcutTarget(const std::string& link) {
    std::string target;
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) {
                target = path;
            }
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

std::set<std::string> FolderEntries(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") {
                names.insert(entry.cFileName);
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return names;
}

// Runs a command line to its end and returns its exit code.
DWORD RunToEnd(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Starts `exe` as a pupil would, names Fe2O3, reads the help and closes it.
void ExpectProgramWorks(const std::string& exe) {
    e2e::Program p(exe);
    ASSERT_NE(p.WaitForMainDialog(), nullptr) << exe << " showed no main dialog";
    p.Choose(IDC_SYMBOL, L"Fe");
    p.Choose(IDC_ELEMENT_COUNT, L"2");
    p.Choose(IDC_OXYGEN, L"O");
    p.Choose(IDC_OXYGEN_COUNT, L"3");
    EXPECT_EQ(p.PressAndRead(IDC_NAME_OK, IDC_NAME_RESULT), "Fe2O3 = oxid želez - itý  ( 3 mocný)");

    p.Command(IDM_HELP);
    HWND help = p.WaitForDialog("Dialog Help");
    ASSERT_NE(help, nullptr) << "no Help window (a FILE ERROR box?)";
    std::string shown;
    testsupport::WaitUntil([&] {
        return (shown = testsupport::WindowText(GetDlgItem(help, IDC_HELP_TEXT))).size() > 200;
    });
    EXPECT_NE(shown.find("oxid železitý"), std::string::npos) << "help.rtf beside the program";
    EXPECT_TRUE(p.OpenBoxes().empty());
    PostMessageA(help, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(help); }));

    PostMessageA(p.main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), 0u);
}

class Installer : public testing::Test {
  protected:
    void SetUp() override {
        setup_ = Environment("ZEMIT_SETUP");
        ASSERT_TRUE(FileExists(setup_)) << "ZEMIT_SETUP names no installer: " << setup_;
    }
    // An interrupted test leaves nothing installed behind for the next one.
    void TearDown() override {
        if (UninstallEntryExists()) {
            Uninstall();
        }
    }

    // Installs silently, into `folder` when one is given.
    void Install(const std::string& folder = "") {
        const std::string options = folder.empty() ? " /S" : " /S /D=" + folder;
        ASSERT_EQ(RunToEnd("\"" + setup_ + "\"" + options), 0u);
        ASSERT_TRUE(UninstallEntryExists());
    }
    // Uninstalls silently as the list of installed programs does. The
    // uninstaller continues in a copy of itself and removes its entry last.
    void Uninstall() {
        const std::string command = UninstallValue("QuietUninstallString");
        ASSERT_FALSE(command.empty());
        EXPECT_EQ(RunToEnd(command), 0u);
        EXPECT_TRUE(testsupport::WaitUntil([] { return !UninstallEntryExists(); }, 60));
    }

    std::string setup_;
};

TEST_F(Installer, SilentInstallRegistersAWorkingProgramAndUninstallRemovesIt) {
    Install();
    const std::string folder = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Zemit\\";
    const std::string exe = folder + "zemit.exe";
    const std::string shortcut = KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Zemit.lnk";

    EXPECT_EQ(FolderEntries(folder),
              (std::set<std::string>{"help.rtf", "uninstall.exe", "zemit.exe"}));
    EXPECT_EQ(ReadFileBytes(exe), ReadFileBytes(ExecutableDirectory() + "zemit.exe"));
    EXPECT_EQ(ReadFileBytes(folder + "help.rtf"),
              ReadFileBytes(ExecutableDirectory() + "help.rtf"));
    EXPECT_EQ(ShortcutTarget(shortcut), exe);

    // The entry's version and maker are those of the installed program itself.
    const struct {
        const char* name;
        std::string expected;
    } values[] = {
        {"DisplayName", "Zemit"},
        {"DisplayVersion", app::VersionText(exe)},
        {"Publisher", CompanyName(exe)},
        {"DisplayIcon", exe + ",0"},
        {"InstallLocation", folder.substr(0, folder.size() - 1)},
        {"UninstallString", "\"" + folder + "uninstall.exe\""},
        {"QuietUninstallString", "\"" + folder + "uninstall.exe\" /S"},
    };
    for (const auto& value : values) {
        EXPECT_EQ(UninstallValue(value.name), value.expected) << value.name;
    }
    EXPECT_FALSE(CompanyName(exe).empty());

    ExpectProgramWorks(exe);

    Uninstall();
    EXPECT_FALSE(FileExists(folder)) << "the emptied folder is removed";
    EXPECT_FALSE(FileExists(shortcut));
}

TEST_F(Installer, UninstallKeepsWhatTheUserAddedToTheFolder) {
    const std::string parent = "C:\\Škola";
    const std::string folder = parent + "\\Zemit\\";
    Install(folder.substr(0, folder.size() - 1)); // also a folder of the user's choice
    EXPECT_EQ(UninstallValue("InstallLocation"), parent + "\\Zemit");
    ASSERT_TRUE(testsupport::WriteFileBytes(folder + "poznámky.txt", "moje poznámky"));

    Uninstall();
    EXPECT_EQ(FolderEntries(folder), std::set<std::string>{"poznámky.txt"});
    EXPECT_EQ(ReadFileBytes(folder + "poznámky.txt"), "moje poznámky");
    EXPECT_FALSE(FileExists(KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Zemit.lnk"));
    testsupport::RemoveTree(parent);
}

TEST_F(Installer, UninstallWhileTheProgramRunsRemovesNothing) {
    Install();
    const std::string folder = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Zemit";
    const std::string shortcut = KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Zemit.lnk";
    {
        e2e::Program p(folder + "\\zemit.exe");
        ASSERT_NE(p.WaitForMainDialog(), nullptr);
        // Run in place (_?=), the uninstaller ends in this process's sight.
        EXPECT_EQ(RunToEnd("\"" + folder + "\\uninstall.exe\" /S _?=" + folder), 3u);
        EXPECT_EQ(FolderEntries(folder + "\\"),
                  (std::set<std::string>{"help.rtf", "uninstall.exe", "zemit.exe"}));
        EXPECT_TRUE(FileExists(shortcut));
        EXPECT_TRUE(UninstallEntryExists());
        PostMessageA(p.main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(p.WaitForExit(), 0u);
    }
    Uninstall();
    EXPECT_FALSE(FileExists(folder));
}

TEST_F(Installer, UpgradeWaitsForTheProgramToCloseAndReplacesItInPlace) {
    const DWORD programs = InstalledPrograms();
    Install();
    const std::string folder = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Zemit\\";
    const std::string upgrade = "\"" + Environment("ZEMIT_UPGRADE_SETUP") + "\" /S";
    const std::string installed = ReadFileBytes(folder + "zemit.exe");
    const std::string newer = ReadFileBytes(ExecutableDirectory() + "loopback-site\\zemit.exe");
    ASSERT_NE(installed, newer);
    ASSERT_TRUE(testsupport::WriteFileBytes(folder + "poznámky.txt", "moje poznámky"));
    {
        e2e::Program p(folder + "zemit.exe");
        ASSERT_NE(p.WaitForMainDialog(), nullptr);
        EXPECT_EQ(RunToEnd(upgrade), 3u);
        EXPECT_EQ(ReadFileBytes(folder + "zemit.exe"), installed);
        PostMessageA(p.main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(p.WaitForExit(), 0u);
    }
    {
        // Any installed file that cannot be written (a reader that shares
        // nothing holds the help) stops the upgrade before it writes anything.
        const base::FileOwner reader(CreateFileA((folder + "help.rtf").c_str(), GENERIC_READ, 0,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        EXPECT_EQ(RunToEnd(upgrade), 3u);
        EXPECT_TRUE(ReadFileBytes(folder + "zemit.exe") == installed) << "zemit.exe replaced";
    }
    {
        // A reader that lets the help be written but not renamed passes that
        // check: the upgrade has replaced zemit.exe when the help refuses, and
        // puts every old file back.
        const char* const files[] = {"zemit.exe", "help.rtf", "uninstall.exe"};
        std::string before[std::size(files)];
        for (size_t i = 0; i < std::size(files); ++i) {
            before[i] = ReadFileBytes(folder + files[i]);
        }
        const std::string version = UninstallValue("DisplayVersion");
        const base::FileOwner reader(CreateFileA((folder + "help.rtf").c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        EXPECT_EQ(RunToEnd(upgrade), 3u);
        for (size_t i = 0; i < std::size(files); ++i) {
            EXPECT_TRUE(ReadFileBytes(folder + files[i]) == before[i]) << files[i] << " changed";
        }
        EXPECT_EQ(FolderEntries(folder), (std::set<std::string>{"help.rtf", "poznámky.txt",
                                                                "uninstall.exe", "zemit.exe"}));
        EXPECT_EQ(UninstallValue("DisplayVersion"), version);
    }
    // Another folder than the installed one is refused, not silently ignored.
    EXPECT_EQ(RunToEnd(upgrade + " /D=C:\\Jinde"), 4u);
    EXPECT_FALSE(FileExists("C:\\Jinde"));

    // The installed folder however /D= spells it: as it is, with its trailing
    // backslash, in other letter case, by its short name.
    char shortName[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA(folder.c_str(), shortName, MAX_PATH), 0u);
    std::string lower = folder.substr(0, folder.size() - 1);
    CharLowerA(&lower[0]);
    for (const std::string& spelling :
         {std::string(), " /D=" + folder, " /D=" + lower, " /D=" + std::string(shortName)}) {
        EXPECT_EQ(RunToEnd(upgrade + spelling), 0u) << spelling;
    }
    EXPECT_NE(std::string(shortName), folder);
    EXPECT_EQ(ReadFileBytes(folder + "zemit.exe"), newer);
    EXPECT_EQ(ReadFileBytes(folder + "poznámky.txt"), "moje poznámky");
    EXPECT_EQ(ShortcutTarget(KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Zemit.lnk"),
              folder + "zemit.exe");
    EXPECT_EQ(InstalledPrograms(), programs + 1) << "one entry for Zemit";
    Uninstall();
    testsupport::RemoveTree(folder);
}

TEST(PortableZip, UnpacksIntoAFolderThatRunsWithItsHelp) {
    const std::string folder = Environment("ZEMIT_PORTABLE") + "\\Zemit\\";
    EXPECT_EQ(FolderEntries(folder),
              (std::set<std::string>{"CTIMNE.txt", "help.rtf", "zemit.exe"}));
    EXPECT_EQ(ReadFileBytes(folder + "zemit.exe"),
              ReadFileBytes(ExecutableDirectory() + "zemit.exe"));
    // Notepad of every Windows version shows a UTF-8 text with its byte-order mark.
    EXPECT_EQ(ReadFileBytes(folder + "CTIMNE.txt").rfind("\xEF\xBB\xBF", 0), 0u);
    ExpectProgramWorks(folder + "zemit.exe");
}

} // namespace
