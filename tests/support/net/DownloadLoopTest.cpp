// The download's read-and-write loop: the page fetch's loop with a writer.
#include "update/PageBody.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;
using update::BodyEnd;

namespace {

struct ScriptedRead {
    bool ok;
    std::string bytes;
};

TEST(DownloadLoop, WritesEachChunkAsReadAndStopsAtTheFirstFailure) {
    struct Case {
        const char* what;
        std::vector<ScriptedRead> reads;
        size_t writesAccepted; // the write after these many fails
        std::vector<std::string> written;
        BodyEnd end;
    };
    const std::string a(250, 'a'), b(250, 'b');
    const size_t all = 1000;
    const Case cases[] = {
        {"exactly 500 bytes", {{true, a}, {true, b}, {true, ""}}, all, {a, b}, BodyEnd::complete},
        {"empty body: nothing written", {{true, ""}}, all, {}, BodyEnd::complete},
        {"short last chunk",
         {{true, a}, {true, "cc"}, {true, ""}},
         all,
         {a, "cc"},
         BodyEnd::complete},
        {"zero bytes kept", {{true, "\0x\0"s}, {true, ""}}, all, {"\0x\0"s}, BodyEnd::complete},
        {"read fails part-way", {{true, a}, {false, ""}}, all, {a}, BodyEnd::readFailed},
        {"write fails part-way", {{true, a}, {true, b}}, 1, {a, b}, BodyEnd::takeFailed},
        {"first write fails", {{true, a}}, 0, {a}, BodyEnd::takeFailed},
    };
    for (const Case& c : cases) {
        size_t next = 0;
        std::vector<std::string> written;
        const BodyEnd end = update::PumpBody(
            [&](char* buffer, uint32_t size, uint32_t* count) {
                EXPECT_EQ(size, 250u) << c.what;
                if (next >= c.reads.size()) {
                    ADD_FAILURE() << c.what << ": read after the end";
                    *count = 0;
                    return true;
                }
                const ScriptedRead& read = c.reads[next++];
                read.bytes.copy(buffer, read.bytes.size());
                *count = static_cast<uint32_t>(read.bytes.size());
                return read.ok;
            },
            [&](const char* bytes, uint32_t count) {
                written.emplace_back(bytes, count);
                return written.size() <= c.writesAccepted;
            });
        EXPECT_EQ(end, c.end) << c.what;
        EXPECT_EQ(written, c.written) << c.what;
        EXPECT_EQ(next, c.reads.size()) << c.what;
    }
}

} // namespace
