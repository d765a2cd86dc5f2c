// Start-up time under Wine: from CreateProcess until the program's first
// top-level window is visible, for zemit.exe and for a bare dialog program,
// alternating, so both see the same machine state. Prints medians and ratio.
#include "Files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds until a visible window, or a negative value on failure.
double TimeToWindow(const std::string& exe) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + exe + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    Search search{process.dwProcessId, nullptr};
    double elapsed = 0;
    while (search.found == nullptr && elapsed < 30000) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        elapsed = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
        if (search.found == nullptr) {
            Sleep(0);
        }
    }
    if (search.found != nullptr) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found != nullptr ? elapsed : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const std::string directory = testsupport::ExecutableDirectory();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const char* const programs[] = {"zemit.exe", "bare_dialog.exe", "bare_dialog_styled.exe",
                                    "bare_main_dialog.exe", "bare_main_dialog_libraries.exe"};
    constexpr int kPrograms = sizeof programs / sizeof programs[0];
    std::vector<double> times[kPrograms];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const double t = TimeToWindow(directory + programs[p]);
            if (t < 0) {
                std::fprintf(stderr, "startup_bench: %s showed no window\n", programs[p]);
                return 1;
            }
            times[p].push_back(t);
        }
    }
    const double zm = Median(times[0]), bm = Median(times[1]), sm = Median(times[2]),
                 fm = Median(times[3]), lm = Median(times[4]);
    std::printf("start-up to visible dialog, median of %d alternating runs:\n", runs);
    std::printf("  zemit.exe %.1f ms, bare dialog %.1f ms, ratio %.2f\n", zm, bm, zm / bm);
    std::printf("  bare dialog with the same manifest (visual styles) %.1f ms, ratio %.2f\n", sm,
                zm / sm);
    std::printf("  floor: bare program with dialog 4002 and the same manifest %.1f ms, ratio %.2f "
                "(target at most 1.1: %s)\n",
                fm, zm / fm, zm / fm <= 1.1 ? "met" : "missed");
    std::printf(
        "  the floor with the libraries' set-up (common controls, GDI+, Rich Edit) %.1f ms, "
        "ratio %.2f\n",
        lm, zm / lm);
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (GetFileAttributesExA((directory + "zemit.exe").c_str(), GetFileExInfoStandard,
                             &attributes)) {
        std::printf("zemit.exe size: %lu bytes (%.2f MiB)\n", attributes.nFileSizeLow,
                    attributes.nFileSizeLow / 1048576.0);
    }
    return 0;
}
