#include "Driver.h"

#include <gdiplus.h>

#include <algorithm>

namespace e2e {
namespace {

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

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool IsMessageBox(HWND window) {
    return ClassName(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr &&
           IsWindowVisible(window);
}

BOOL CALLBACK ChildNeedsPainting(HWND child, LPARAM found) {
    if (GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool NeedsPainting(HWND window) {
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) {
        EnumChildWindows(window, ChildNeedsPainting, reinterpret_cast<LPARAM>(&pending));
    }
    return pending;
}

std::string DirectoryOf(const std::string& path) {
    return path.substr(0, path.rfind('\\') + 1);
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (!condition()) {
        if (static_cast<LONG>(deadline - GetTickCount()) <= 0) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

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

std::string Program::DriverDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return DirectoryOf(path);
}

std::string Program::DefaultExe() {
    return DriverDirectory() + "zemit.exe";
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
    Search search{process_.dwProcessId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND Program::WaitForMainDialog(double seconds) {
    WaitUntil(
        [this] {
            for (HWND window : TopLevelWindows()) {
                if (ClassName(window) == "#32770" && GetDlgItem(window, 3007) != nullptr &&
                    IsWindowVisible(window)) {
                    main_ = window;
                    return true;
                }
            }
            return !Running();
        },
        seconds);
    return main_;
}

HWND Program::WaitForDialog(const std::string& caption, double seconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows()) {
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

std::vector<Box> Program::OpenBoxes() const {
    std::vector<Box> boxes;
    for (HWND window : TopLevelWindows()) {
        if (!IsMessageBox(window)) {
            continue;
        }
        Box box;
        box.window = window;
        box.text = WindowText(GetDlgItem(window, 0xFFFF));
        box.caption = WindowText(window);
        box.owner = GetWindow(window, GW_OWNER);
        box.hasOk = GetDlgItem(window, IDOK) != nullptr;
        box.hasCancel = GetDlgItem(window, IDCANCEL) != nullptr;
        EnumChildWindows(window, FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
        boxes.push_back(box);
    }
    return boxes;
}

Box Program::WaitForBox(double seconds) {
    Box box;
    WaitUntil(
        [&] {
            const auto boxes = OpenBoxes();
            if (!boxes.empty()) {
                box = boxes.front();
                return true;
            }
            return false;
        },
        seconds);
    return box;
}

void Program::Answer(const Box& box, int id) const {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box.window); }, 10);
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

void Program::Command(int id) const {
    HWND button = Item(id);
    if (button != nullptr && ClassName(button) == "Button") {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); // a menu item
    }
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

std::string ScreenshotPath(const std::string& name) {
    const std::string folder = Program::DriverDirectory() + "..\\screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + name + ".png";
}

bool SaveScreenshot(HWND window, const std::string& path) {
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
    // Painted once neither the window nor any of its controls waits for painting.
    WaitUntil([window] { return !NeedsPainting(window); }, 10);
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);

    std::wstring widePath(path.begin(), path.end());
    // The PNG encoder of GDI+.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    bool saved = false;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        saved = picture.Save(widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

std::string CopyProgram(const std::string& folder, const std::string& name, bool withHelp) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string directory =
        std::string(temp) + folder + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(directory.c_str(), nullptr);
    CopyFileA(Program::DefaultExe().c_str(), (directory + name).c_str(), FALSE);
    const std::string help = directory + "help.rtf";
    if (withHelp) {
        CopyFileA((Program::DriverDirectory() + "help.rtf").c_str(), help.c_str(), FALSE);
    } else {
        DeleteFileA(help.c_str());
    }
    return directory + name;
}

} // namespace e2e
