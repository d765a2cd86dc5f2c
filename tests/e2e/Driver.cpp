#include "Driver.h"

#include "Files.h"
#include "Wait.h"

using testsupport::WaitUntil;

namespace e2e {

std::string Program::DefaultExe() {
    return testsupport::ExecutableDirectory() + "zemit.exe";
}

namespace {

// Started from another folder: the program must find its files by its own path.
std::string TempPath() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

} // namespace

// The program ignores the show state it is given.
Program::Program(const std::string& exe) : process_("\"" + exe + "\"", TempPath(), true) {}

std::vector<HWND> Program::TopLevelWindows() const {
    return testsupport::TopLevelWindows(process_.pid());
}

HWND Program::WaitForMainDialog(double seconds) {
    WaitUntil(
        [this] {
            for (HWND window : TopLevelWindows()) {
                if (testsupport::ClassName(window) == "#32770" &&
                    GetDlgItem(window, 3007) != nullptr && IsWindowVisible(window)) {
                    main_ = window;
                    return true;
                }
            }
            return !Running();
        },
        seconds);
    return main_;
}

HWND Program::WaitForDialog(const std::string& caption, double seconds) const {
    return testsupport::WaitForWindow(process_.pid(), caption, seconds);
}

std::vector<Box> Program::OpenBoxes() const {
    return testsupport::OpenBoxes(process_.pid());
}

Box Program::WaitForBox(double seconds) const {
    return testsupport::WaitForBox(process_.pid(), seconds);
}

void Program::Answer(const Box& box, int id) const {
    testsupport::AnswerBox(box, id);
}

void Program::Choose(int comboId, const std::wstring& item) const {
    HWND combo = Item(comboId);
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Program::Type(int id, const std::string& text) const {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Program::Text(int id) const {
    return testsupport::WindowText(Item(id));
}

void Program::Command(int id) const {
    HWND button = Item(id);
    if (button != nullptr && testsupport::ClassName(button) == "Button") {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); // a menu item
    }
}

std::string Program::PressAndRead(int button, int resultField) const {
    Type(resultField, "");
    Command(button);
    std::string result;
    WaitUntil([&] { return !(result = Text(resultField)).empty(); });
    return result;
}

void Program::Key(HWND target, WORD virtualKey) const {
    // Real key strokes through the input system, to the program's foreground window.
    SetForegroundWindow(GetAncestor(target, GA_ROOT));
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

} // namespace e2e
