// The read loop of the page fetch, apart from the platform call that reads.
#pragma once

#include <cstdint>
#include <string>

namespace update {

// Bytes asked for by each read.
constexpr uint32_t kReadChunk = 250;

struct GatheredBody {
    std::string body;    // every byte delivered, in order, zero bytes included
    bool failed = false; // a read reported failure before the end of the body
};

// Calls `read(buffer, kReadChunk, &count)` until it delivers 0 bytes (the end
// of the body) or returns false (a failure), appending exactly the `count`
// bytes of each read. Appending grows the text geometrically, so a page of
// any size costs amortised constant time per byte.
template <class Read> GatheredBody GatherBody(Read read) {
    GatheredBody gathered;
    char szText[kReadChunk];
    for (;;) {
        uint32_t dwPrecteno = 0;
        if (!read(szText, kReadChunk, &dwPrecteno)) {
            gathered.failed = true;
            return gathered;
        }
        if (dwPrecteno == 0) {
            return gathered;
        }
        // A reader never delivers more than asked; a count above that would
        // read past the buffer.
        if (dwPrecteno > kReadChunk) {
            gathered.failed = true;
            return gathered;
        }
        gathered.body.append(szText, dwPrecteno);
    }
}

} // namespace update
