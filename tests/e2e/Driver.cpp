#include "Driver.h"

#include "Files.h"
#include "Wait.h"

using testsupport::WaitUntil;

namespace e2e {

std::string Program::DefaultExe() {
    return testsupport::ExecutableDirectory() + "zemit.exe";
}

Program::Program(const std::string& exe) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outputWrite = nullptr;
    CreatePipe(&outputRead_, &outputWrite, &inherit, 0);
    SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE; // the program ignores the show state
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    // Started from another folder: the program must find its files by its own path.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string commandLine = "\"" + exe + "\"";
    CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, temp, &startup,
                   &process_);
    CloseHandle(outputWrite);
    reader_ = std::thread([this] {
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(outputRead_, chunk, sizeof chunk, &read, nullptr) && read > 0) {
            output_.append(chunk, read);
        }
    });
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (reader_.joinable()) {
        reader_.join();
    }
    CloseHandle(outputRead_);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool Program::Running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> Program::TopLevelWindows() const {
    return testsupport::TopLevelWindows(process_.dwProcessId);
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
    return testsupport::WaitForWindow(process_.dwProcessId, caption, seconds);
}

std::vector<Box> Program::OpenBoxes() const {
    return testsupport::OpenBoxes(process_.dwProcessId);
}

Box Program::WaitForBox(double seconds) const {
    return testsupport::WaitForBox(process_.dwProcessId, seconds);
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

DWORD Program::WaitForExit(double seconds) {
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(seconds * 1000));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string Program::Output() {
    if (!Running() && reader_.joinable()) {
        reader_.join();
    }
    return output_;
}

} // namespace e2e
