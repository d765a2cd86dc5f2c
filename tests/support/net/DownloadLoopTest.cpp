// The download's read-and-write loop: the page fetch's loop with a writer.
#include "base/BodyPump.h"

#include "ScriptedReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace std::string_literals;
using base::BodyEnd;
using testsupport::ScriptedRead;

namespace {

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
        testsupport::ScriptedReader reader(c.reads);
        std::vector<std::string> written;
        const BodyEnd end =
            base::PumpBody(std::ref(reader), [&](const char* bytes, uint32_t count) {
                written.emplace_back(bytes, count);
                return written.size() <= c.writesAccepted;
            });
        EXPECT_EQ(end, c.end) << c.what;
        EXPECT_EQ(written, c.written) << c.what;
        EXPECT_TRUE(reader.finished()) << c.what;
        EXPECT_EQ(reader.asked, std::vector<uint32_t>(c.reads.size(), 250u)) << c.what;
    }
}

} // namespace
