// Test helper: finding, reading and answering message boxes and common
// dialogs, in the test's own thread or in another process, so that no test
// ever blocks on a modal window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Text of any window of any process (WM_GETTEXT, code page 1250 bytes).
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A message box as the user sees it.
struct Box {
    HWND window = nullptr;
    std::string text;    // the static control 0xFFFF
    std::string caption; // the window text
    HWND owner = nullptr;
    bool hasOk = false;
    bool hasCancel = false;
    HICON icon = nullptr; // the icon shown, or null for none
    DWORD process = 0;    // the process that shows it
    bool hasIcon() const { return icon != nullptr; }
};

// The icon a box of style MB_ICONERROR (IDI_HAND), MB_ICONINFORMATION
// (IDI_ASTERISK), ... shows.
HICON SystemIcon(LPCSTR id);
// The caption the system gives a box shown without one (read once from such a
// box of a second thread).
std::string DefaultCaption();

// Whether `window` is a message box: a "#32770" dialog with the text control 0xFFFF.
bool IsMessageBox(HWND window);
Box ReadBox(HWND window);
// Presses `id` on the box and waits until it is gone.
void AnswerBox(const Box& box, int id = IDOK);

// Top-level windows of a process, and the visible message boxes among them.
std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<Box> OpenBoxes(DWORD processId);
// The first message box of the process, waited for; a box with a null window if none came.
Box WaitForBox(DWORD processId, double seconds = 20);
// A visible top-level window of the process with this caption, waited for; null if none.
HWND WaitForWindow(DWORD processId, const std::string& caption, double seconds = 20);

// Watches for message boxes shown by the calling thread (a CBT hook), records
// each and answers it at once. Each box gets the next answer; the last repeats.
class MessageBoxWatcher {
  public:
    explicit MessageBoxWatcher(std::vector<int> answers = {IDOK});
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<Box>& boxes() const { return boxes_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Seen(HWND box);

    std::vector<int> answers_;
    std::vector<Box> boxes_;
    std::vector<HWND> answered_;
    HHOOK hook_ = nullptr;
};

// Answers a modal dialog of this process (a colour, open or save dialog, a
// shell prompt) from a second thread: waits for a visible top-level window of
// `windowClass` with `caption` ("" for any), then runs `answer` on it there;
// the class "#32768" answers an open popup menu instead.
// The destructor waits for that thread; seen() tells whether the dialog came.
class DialogAnswerer {
  public:
    DialogAnswerer(std::string caption, std::function<void(HWND)> answer, double seconds = 20,
                   std::string windowClass = "#32770");
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    bool seen();

  private:
    std::thread thread_;
    bool seen_ = false;
};

// What a common dialog showed when it was answered.
struct DialogSeen {
    HWND owner = nullptr;
    std::string colour; // a colour dialog's red, green and blue fields: "r,g,b"
};

// Answers for a DialogAnswerer; each records what the dialog showed in `seen`.
// An open or save dialog gets `path` in its file-name field and OK, or Cancel
// when `path` is empty.
std::function<void(HWND)> AnswerFileDialog(const std::string& path, DialogSeen* seen = nullptr);
// A colour dialog gets `pick` in its red, green and blue fields, optionally
// added to the custom colours, and OK; or Cancel when there is no pick.
std::function<void(HWND)> AnswerColourDialog(std::optional<COLORREF> pick,
                                             DialogSeen* seen = nullptr, bool addCustom = false);

} // namespace testsupport
