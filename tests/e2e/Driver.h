// Drives a real zemit.exe from this second process, as a user would: starts
// it, finds its windows, fills lists, presses buttons, reads what it shows,
// answers its message boxes and collects its standard output and exit code.
#pragma once

#include "Boxes.h"
#include "Process.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

using testsupport::Box;

class Program {
  public:
    // Starts `exe` (default: zemit.exe beside this driver) with its standard
    // output captured, from the temporary folder as its working directory.
    explicit Program(const std::string& exe = DefaultExe());

    static std::string DefaultExe();

    // The main dialog once it is visible (null if it did not appear in time).
    HWND WaitForMainDialog(double seconds = 20);
    HWND main() const { return main_; }
    HWND Item(int id) const { return GetDlgItem(main_, id); }

    std::vector<HWND> TopLevelWindows() const;
    // A visible top-level dialog with this caption, waited for.
    HWND WaitForDialog(const std::string& caption, double seconds = 20) const;
    // The next message box of the program, waited for; null window if none.
    Box WaitForBox(double seconds = 20) const;
    std::vector<Box> OpenBoxes() const;
    void Answer(const Box& box, int id = IDOK) const;

    // Picks a list item by its text (as a user clicks it), or types a text.
    void Choose(int comboId, const std::wstring& item) const;
    void Type(int id, const std::string& text) const;
    std::string Text(int id) const;
    // Clicks a button or menu item of the main dialog.
    void Command(int id) const;
    // Clicks a row's OK and waits until its result field shows something new.
    std::string PressAndRead(int button, int resultField) const;
    void Key(HWND target, WORD virtualKey) const;

    // Waits for the process to end; returns its exit code (or STILL_ACTIVE).
    DWORD WaitForExit(double seconds = 20) { return process_.WaitForExit(seconds); }
    bool Running() const { return process_.Running(); }
    // Everything the program wrote to its standard output, once it has ended.
    std::string Output() { return process_.Output(); }
    DWORD pid() const { return process_.pid(); }
    DWORD thread() const { return process_.thread(); }

  private:
    testsupport::ChildProcess process_;
    HWND main_ = nullptr;
};

} // namespace e2e
