#include "Process.h"

namespace testsupport {

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& folder, bool hidden) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outputWrite = nullptr;
    CreatePipe(&outputRead_, &outputWrite, &inherit, 0);
    SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | (hidden ? STARTF_USESHOWWINDOW : 0);
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    std::string command = commandLine;
    CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                   folder.empty() ? nullptr : folder.c_str(), &startup, &process_);
    // The reader sees the end of the pipe once every copy of its writing end is closed.
    CloseHandle(outputWrite);
    reader_ = std::thread([this] {
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(outputRead_, chunk, sizeof chunk, &read, nullptr) && read > 0) {
            output_.append(chunk, read);
        }
    });
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (reader_.joinable()) {
        reader_.join();
    }
    CloseHandle(outputRead_);
    if (process_.hProcess != nullptr) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

bool ChildProcess::Running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::WaitForExit(double seconds) const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess != nullptr) {
        WaitForSingleObject(process_.hProcess, static_cast<DWORD>(seconds * 1000));
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

std::string ChildProcess::Output() {
    if (!Running() && reader_.joinable()) {
        reader_.join();
    }
    return output_;
}

} // namespace testsupport
