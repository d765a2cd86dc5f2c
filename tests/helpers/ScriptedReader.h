// Test helper: a reader for the page-body loops that plays back a script of
// reads and records the buffer size each read was offered. Header-only, so
// that the window-free tests use it natively too; pass it as std::ref(reader).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct ScriptedRead {
    bool ok;
    std::string bytes;
};

class ScriptedReader {
  public:
    explicit ScriptedReader(const std::vector<ScriptedRead>& reads) : reads_(reads) {}

    bool operator()(char* buffer, uint32_t size, uint32_t* count) {
        asked.push_back(size);
        if (next_ >= reads_.size()) {
            ADD_FAILURE() << "read after the end";
            *count = 0;
            return true;
        }
        const ScriptedRead& read = reads_[next_++];
        read.bytes.copy(buffer, read.bytes.size());
        *count = static_cast<uint32_t>(read.bytes.size());
        return read.ok;
    }
    // Whether every read of the script was asked for.
    bool finished() const { return next_ == reads_.size(); }

    std::vector<uint32_t> asked;

  private:
    const std::vector<ScriptedRead>& reads_;
    size_t next_ = 0;
};

} // namespace testsupport
