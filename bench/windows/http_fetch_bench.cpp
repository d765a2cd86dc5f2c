// Benchmark helper (not a test): fetches one URL and prints the seconds the
// fetch took and the bytes it returned. By default with HttpPageFetcher; with
// "bare", with nothing but the WinInet calls and the same 250-byte reads, the
// floor that HttpPageFetcher is measured against.
// Usage: http_fetch_bench <url> <expected bytes> [bare]
#include "update/HttpPageFetcher.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The same calls as the fetcher, counting the bytes instead of keeping them.
unsigned long BareReadLoop(const char* url) {
    unsigned long total = 0;
    HINTERNET internet =
        InternetOpenA("http_fetch_bench", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    HINTERNET request =
        internet != nullptr ? InternetOpenUrlA(internet, url, nullptr, 0, 0, 0) : nullptr;
    if (request != nullptr) {
        char buffer[250];
        DWORD read = 0;
        while (InternetReadFile(request, buffer, sizeof buffer, &read) && read > 0) {
            total += read;
        }
        InternetCloseHandle(request);
    }
    if (internet != nullptr) {
        InternetCloseHandle(internet);
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "bare") != 0)) {
        std::fprintf(stderr, "usage: http_fetch_bench <url> <expected bytes> [bare]\n");
        return 2;
    }
    const bool bare = argc == 4;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::string page; // freed after the timing, as the caller's text would be
    unsigned long size = 0;
    if (bare) {
        size = BareReadLoop(argv[1]);
    } else {
        page = update::HttpPageFetcher(nullptr, argv[1]);
        size = static_cast<unsigned long>(page.size());
    }
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    std::printf("%.6f %lu\n", seconds, size);
    return size == std::strtoul(argv[2], nullptr, 10) ? 0 : 1;
}
