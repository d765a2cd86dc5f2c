#include "UrlLog.h"

#include "Wait.h"

#include <windows.h>

#include <tlhelp32.h>

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
    std::vector<std::string> urls;
    testsupport::WaitUntil([&] { return (urls = Read()).size() >= count; }, seconds);
    return urls;
}

namespace {

bool RecorderRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running;
         more = Process32Next(snapshot, &entry)) {
        running = lstrcmpiA(entry.szExeFile, "url_recorder.exe") == 0;
    }
    CloseHandle(snapshot);
    return running;
}

} // namespace

std::vector<std::string> UrlLog::Settled(size_t count, double seconds) const {
    WaitFor(count, seconds);
    testsupport::WaitUntil([] { return !RecorderRunning(); }, seconds);
    return Read();
}
