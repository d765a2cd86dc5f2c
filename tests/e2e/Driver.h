// Drives a real zemit.exe from this second process, as a user would: starts
// it, finds its windows, fills lists, presses buttons, reads what it shows,
// answers its message boxes and collects its standard output and exit code.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

// Polls `condition` until it holds or `seconds` pass; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, double seconds = 20);

// Text of any window of any process (WM_GETTEXT, code page 1250 bytes).
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A message box of the program, as the user sees it.
struct Box {
    HWND window = nullptr;
    std::string text;
    std::string caption;
    HWND owner = nullptr;
    bool hasOk = false;
    bool hasCancel = false;
    bool hasIcon = false;
};

class Program {
  public:
    // Starts `exe` (default: zemit.exe beside this driver) with its standard
    // output captured.
    explicit Program(const std::string& exe = DefaultExe());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    static std::string DefaultExe();
    static std::string DriverDirectory();

    // The main dialog once it is visible (null if it did not appear in time).
    HWND WaitForMainDialog(double seconds = 20);
    HWND main() const { return main_; }
    HWND Item(int id) const { return GetDlgItem(main_, id); }

    // Top-level windows of the program's thread(s).
    std::vector<HWND> TopLevelWindows() const;
    // A visible top-level dialog with this caption, waited for.
    HWND WaitForDialog(const std::string& caption, double seconds = 20);
    // The next message box of the program, waited for; null window if none.
    Box WaitForBox(double seconds = 20);
    std::vector<Box> OpenBoxes() const;
    void Answer(const Box& box, int id = IDOK) const;

    // Picks a list item by its text (as a user clicks it), or types a text.
    void Choose(int comboId, const std::wstring& item) const;
    void Type(int id, const std::string& text) const;
    std::string Text(int id) const { return WindowText(Item(id)); }
    // Clicks a button or menu item of the main dialog.
    void Command(int id) const;
    void Key(HWND target, WORD virtualKey) const;

    // Waits for the process to end; returns its exit code (or STILL_ACTIVE).
    DWORD WaitForExit(double seconds = 20);
    bool Running() const;
    // Everything the program wrote to its standard output, once it has ended.
    std::string Output();
    DWORD pid() const { return process_.dwProcessId; }
    DWORD thread() const { return process_.dwThreadId; }

  private:
    PROCESS_INFORMATION process_ = {};
    HANDLE outputRead_ = nullptr;
    std::thread reader_;
    std::string output_;
    HWND main_ = nullptr;
};

// Saves a picture of the window, once painted, as a PNG file.
bool SaveScreenshot(HWND window, const std::string& path);
// build/screenshots/<name>.png, the folder created when missing.
std::string ScreenshotPath(const std::string& name);

// Copies zemit.exe (and help.rtf when asked) into a fresh folder, under `name`.
std::string CopyProgram(const std::string& folder, const std::string& name, bool withHelp);

} // namespace e2e
