// Test helper: a visible top-level window of its own class that hosts
// controls. It paints its background in one known colour (children are not
// clipped, so they draw over it), records the WM_COMMAND messages it gets,
// and hands every message first to the test's handler when one is set.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace testsupport {

class MessageHost {
  public:
    // Returns a result to answer the message, or nothing for the default.
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
    struct Command {
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit MessageHost(COLORREF background = RGB(255, 255, 255), int width = 400,
                         int height = 300, const char* title = "zemit test host");
    ~MessageHost();
    MessageHost(const MessageHost&) = delete;
    MessageHost& operator=(const MessageHost&) = delete;

    HWND get() const { return hwnd_; }
    COLORREF background() const { return background_; }
    void SetHandler(Handler handler) { handler_ = std::move(handler); }
    const std::vector<Command>& commands() const { return commands_; }
    void ClearCommands() { commands_.clear(); }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    COLORREF background_;
    Handler handler_;
    std::vector<Command> commands_;
    HWND hwnd_ = nullptr;
};

} // namespace testsupport
