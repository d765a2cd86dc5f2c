// Test helper: watches for message boxes shown by the calling thread (through
// a CBT hook, as Wine's own tests do), records what each one showed and
// answers it, so a test never blocks on a modal box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenBox {
    std::string text;    // the static control 0xFFFF
    std::string caption; // the window text
    HWND owner = nullptr;
    bool hasOk = false;
    bool hasCancel = false;
    HICON icon = nullptr; // the icon shown, or null for none
};

class MessageBoxWatcher {
  public:
    // Each box gets the next answer (IDOK, IDCANCEL, ...); the last one repeats.
    explicit MessageBoxWatcher(std::vector<int> answers = {IDOK});
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<SeenBox>& boxes() const { return boxes_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Seen(HWND box);

    std::vector<int> answers_;
    std::vector<SeenBox> boxes_;
    std::vector<HWND> answered_;
    HHOOK hook_ = nullptr;
};

// The icon a box of style MB_ICONERROR (or MB_ICONWARNING, ...) shows.
HICON SystemIcon(LPCSTR id);
