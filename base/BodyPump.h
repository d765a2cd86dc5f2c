// The read loop of an HTTP body, apart from the platform call that reads and
// what is done with each chunk (gathered in memory by the page fetch, written
// to a file by the support library's download).
#pragma once

#include <cstdint>
#include <string>

namespace base {

// Bytes asked for by each read.
constexpr uint32_t kReadChunk = 250;

// How a body ended.
enum class BodyEnd {
    complete,   // a read delivered 0 bytes: the end of the body
    readFailed, // a read reported failure, or delivered more than asked
    takeFailed, // the taker refused a chunk (for example, a failed write)
};

// Calls `read(buffer, kReadChunk, &count)` until it delivers 0 bytes or fails,
// handing exactly the `count` bytes of each read to `take(bytes, count)`, which
// returns false to stop. Chunks reach `take` in order, zero bytes included.
template <class Read, class Take> BodyEnd PumpBody(Read read, Take take) {
    char szText[kReadChunk];
    for (;;) {
        uint32_t dwPrecteno = 0;
        if (!read(szText, kReadChunk, &dwPrecteno)) {
            return BodyEnd::readFailed;
        }
        if (dwPrecteno == 0) {
            return BodyEnd::complete;
        }
        // A reader never delivers more than asked; a count above that would
        // read past the buffer.
        if (dwPrecteno > kReadChunk) {
            return BodyEnd::readFailed;
        }
        if (!take(static_cast<const char*>(szText), dwPrecteno)) {
            return BodyEnd::takeFailed;
        }
    }
}

struct GatheredBody {
    std::string body;    // every byte delivered, in order, zero bytes included
    bool failed = false; // a read reported failure before the end of the body
};

// Gathers the whole body in memory. Appending grows the text geometrically,
// so a page of any size costs amortised constant time per byte.
template <class Read> GatheredBody GatherBody(Read read) {
    GatheredBody gathered;
    gathered.failed = PumpBody(read, [&gathered](const char* bytes, uint32_t count) {
                          gathered.body.append(bytes, count);
                          return true;
                      }) != BodyEnd::complete;
    return gathered;
}

} // namespace base
