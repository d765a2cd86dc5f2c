// Stands in for the browser in the tests' Wine prefix: registered as the http
// handler, it appends the URL it was given, and a line end, to the file named
// by ZEMIT_URL_LOG. Without that variable it records nothing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const char* log = std::getenv("ZEMIT_URL_LOG");
    if (log == nullptr || *log == '\0') {
        return 0;
    }
    // The command line is the quoted URL the handler was registered with.
    std::string url = commandLine;
    if (url.size() >= 2 && url.front() == '"' && url.back() == '"') {
        url = url.substr(1, url.size() - 2);
    }
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    url += "\n";
    DWORD written = 0;
    WriteFile(file, url.data(), static_cast<DWORD>(url.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
