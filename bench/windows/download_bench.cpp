// Benchmark helper (not a test): fetches one URL alternately with
// HttpPageFetcher (into memory) and DownloadPageToFile (into a file), both
// reading 250 bytes at a time, and prints the seconds of each per round.
// The completion box of the download is answered at once and counted in.
// Usage: download_bench <url> <expected bytes> <output file> <rounds>
#include "support/net/Net.h"
#include "update/HttpPageFetcher.h"

#include "Boxes.h"
#include "Files.h"

#include <cstdio>
#include <cstdlib>

namespace {

template <class Work> double Seconds(Work work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: download_bench <url> <expected bytes> <output file> <rounds>\n");
        return 2;
    }
    const char* url = argv[1];
    const size_t bytes = std::strtoul(argv[2], nullptr, 10);
    const char* output = argv[3];
    const int rounds = std::atoi(argv[4]);
    const testsupport::MessageBoxWatcher watcher;
    for (int round = 0; round < rounds; ++round) {
        size_t fetched = 0;
        const double fetch =
            Seconds([&] { fetched = update::HttpPageFetcher(nullptr, url).size(); });
        bool saved = false;
        const double download =
            Seconds([&] { saved = support::DownloadPageToFile(nullptr, url, output); });
        const size_t written = testsupport::ReadFileBytes(output).size();
        if (fetched != bytes || !saved || written != bytes) {
            std::fprintf(stderr, "round %d: fetched %lu, saved %d, written %lu bytes\n", round,
                         static_cast<unsigned long>(fetched), saved ? 1 : 0,
                         static_cast<unsigned long>(written));
            return 1;
        }
        std::printf("%.6f %.6f\n", fetch, download);
        std::fflush(stdout);
    }
    DeleteFileA(output);
    return 0;
}
