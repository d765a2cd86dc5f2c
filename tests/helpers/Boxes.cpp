#include "Boxes.h"

#include "Wait.h"

#include <algorithm>
#include <atomic>

namespace testsupport {
namespace {

MessageBoxWatcher* active = nullptr;

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (icon != nullptr) {
            *reinterpret_cast<HICON*>(found) = icon;
            return FALSE;
        }
    }
    return TRUE;
}

struct Search {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid) {
        search->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

std::string WindowText(HWND window) {
    std::vector<char> buffer(65536, '\0');
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
    return buffer.data();
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HICON SystemIcon(LPCSTR id) {
    return LoadIconA(nullptr, id);
}

std::string DefaultCaption() {
    static const std::string caption = [] {
        std::atomic<DWORD> shower{0};
        std::thread thread([&shower] {
            shower = GetCurrentThreadId();
            MessageBoxA(nullptr, "", nullptr, MB_OK);
        });
        std::string seen;
        WaitUntil([&] {
            for (HWND window : TopLevelWindows(GetCurrentProcessId())) {
                if (GetWindowThreadProcessId(window, nullptr) == shower && IsMessageBox(window)) {
                    seen = WindowText(window);
                    PostMessageA(window, WM_COMMAND, IDOK, 0);
                    return true;
                }
            }
            return false;
        });
        thread.join();
        return seen;
    }();
    return caption;
}

bool IsMessageBox(HWND window) {
    return ClassName(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

Box ReadBox(HWND window) {
    Box box;
    box.window = window;
    box.text = WindowText(GetDlgItem(window, 0xFFFF));
    box.caption = WindowText(window);
    box.owner = GetWindow(window, GW_OWNER);
    GetWindowThreadProcessId(window, &box.process);
    box.hasOk = GetDlgItem(window, IDOK) != nullptr;
    box.hasCancel = GetDlgItem(window, IDCANCEL) != nullptr;
    EnumChildWindows(window, FindIcon, reinterpret_cast<LPARAM>(&box.icon));
    return box;
}

void AnswerBox(const Box& box, int id) {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box.window); }, 10);
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::vector<Box> OpenBoxes(DWORD processId) {
    std::vector<Box> boxes;
    for (HWND window : TopLevelWindows(processId)) {
        if (IsMessageBox(window) && IsWindowVisible(window)) {
            boxes.push_back(ReadBox(window));
        }
    }
    return boxes;
}

Box WaitForBox(DWORD processId, double seconds) {
    Box box;
    WaitUntil(
        [&] {
            const auto boxes = OpenBoxes(processId);
            if (!boxes.empty()) {
                box = boxes.front();
            }
            return !boxes.empty();
        },
        seconds);
    return box;
}

HWND WaitForWindow(DWORD processId, const std::string& caption, double seconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId)) {
                if (IsWindowVisible(window) && WindowText(window) == caption) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        seconds);
    return found;
}

MessageBoxWatcher::MessageBoxWatcher(std::vector<int> answers) : answers_(std::move(answers)) {
    active = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    active = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && active != nullptr) {
        active->Seen(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxWatcher::Seen(HWND box) {
    if (!IsMessageBox(box) ||
        std::find(answered_.begin(), answered_.end(), box) != answered_.end()) {
        return;
    }
    answered_.push_back(box);
    const size_t index = std::min(boxes_.size(), answers_.size() - 1);
    boxes_.push_back(ReadBox(box));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answers_[index], BN_CLICKED), 0);
}

DialogAnswerer::DialogAnswerer(std::string caption, std::function<void(HWND)> answer,
                               double seconds, std::string windowClass) {
    thread_ = std::thread([this, caption, answer, seconds, windowClass] {
        HWND dialog = nullptr;
        WaitUntil(
            [&] {
                for (HWND window : TopLevelWindows(GetCurrentProcessId())) {
                    if (IsWindowVisible(window) && ClassName(window) == windowClass &&
                        (caption.empty() || WindowText(window) == caption)) {
                        dialog = window;
                        return true;
                    }
                }
                return false;
            },
            seconds);
        if (dialog != nullptr) {
            seen_ = true;
            answer(dialog);
        }
    });
}

DialogAnswerer::~DialogAnswerer() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool DialogAnswerer::seen() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return seen_;
}

namespace {

void Record(HWND dialog, DialogSeen* seen) {
    if (seen == nullptr) {
        return;
    }
    seen->owner = GetWindow(dialog, GW_OWNER);
    seen->colour = WindowText(GetDlgItem(dialog, 706)) + "," + WindowText(GetDlgItem(dialog, 707)) +
                   "," + WindowText(GetDlgItem(dialog, 708));
}

void SetField(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace

std::function<void(HWND)> AnswerFileDialog(const std::string& path, DialogSeen* seen) {
    return [path, seen](HWND dialog) {
        Record(dialog, seen);
        if (!path.empty()) {
            SetField(dialog, 0x47C, path); // the file-name combo box
        }
        PostMessageA(dialog, WM_COMMAND, path.empty() ? IDCANCEL : IDOK, 0);
    };
}

std::function<void(HWND)> AnswerColourDialog(std::optional<COLORREF> pick, DialogSeen* seen,
                                             bool addCustom) {
    return [pick, seen, addCustom](HWND dialog) {
        Record(dialog, seen);
        if (pick) {
            SetField(dialog, 706, std::to_string(GetRValue(*pick)));
            SetField(dialog, 707, std::to_string(GetGValue(*pick)));
            SetField(dialog, 708, std::to_string(GetBValue(*pick)));
            if (addCustom) {
                SendMessageA(dialog, WM_COMMAND, 712, 0); // "Add to custom colours"
            }
        }
        PostMessageA(dialog, WM_COMMAND, pick ? IDOK : IDCANCEL, 0);
    };
}

} // namespace testsupport
