#include "UrlLog.h"

#include <windows.h>

#include <fstream>
#include <sstream>

UrlLog::UrlLog(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    path_ = std::string(directory) + "zemit-urls-" + name + "-" +
            std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("ZEMIT_URL_LOG", path_.c_str());
}

UrlLog::~UrlLog() {
    SetEnvironmentVariableA("ZEMIT_URL_LOG", nullptr);
    DeleteFileA(path_.c_str());
}

std::vector<std::string> UrlLog::Read() const {
    std::vector<std::string> urls;
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        urls.push_back(line);
    }
    return urls;
}

std::vector<std::string> UrlLog::WaitFor(size_t count, double seconds) const {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    std::vector<std::string> urls = Read();
    while (urls.size() < count && static_cast<LONG>(deadline - GetTickCount()) > 0) {
        // Keep this thread's windows answering while the recorder starts.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(20);
        urls = Read();
    }
    return urls;
}
