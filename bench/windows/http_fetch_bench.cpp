// Benchmark helper (not a test): fetches one URL with HttpPageFetcher and
// prints the seconds the fetch took and the bytes it returned.
// Usage: http_fetch_bench <url> <expected bytes>
#include "update/HttpPageFetcher.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: http_fetch_bench <url> <expected bytes>\n");
        return 2;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const std::string page = update::HttpPageFetcher(nullptr, argv[1]);
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    std::printf("%.6f %lu\n", seconds, static_cast<unsigned long>(page.size()));
    return page.size() == std::strtoul(argv[2], nullptr, 10) ? 0 : 1;
}
