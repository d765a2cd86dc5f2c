// Test helper: another program started by a test, with its standard output
// and error gathered; ended if it still runs when the test is done with it.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace testsupport {

class ChildProcess {
  public:
    // Runs `commandLine` in `folder` ("": this process's current folder);
    // `hidden` asks that its first window be hidden.
    explicit ChildProcess(const std::string& commandLine, const std::string& folder = "",
                          bool hidden = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running() const;
    // Waits until the process ends; its exit code, or STILL_ACTIVE if it did
    // not end in time (or never started).
    DWORD WaitForExit(double seconds = 20) const;
    // Everything it wrote, complete once it has ended.
    std::string Output();
    DWORD pid() const { return process_.dwProcessId; }
    DWORD thread() const { return process_.dwThreadId; }

  private:
    PROCESS_INFORMATION process_ = {};
    HANDLE outputRead_ = nullptr;
    std::thread reader_;
    std::string output_;
};

} // namespace testsupport
