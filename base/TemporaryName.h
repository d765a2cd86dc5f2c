// The names of the temporary file that a whole-file write fills beside its
// target: named after the target, so it lies in the same folder whatever the
// path's form, and refused where it would not fit the path buffers.
#pragma once

#include "base/PathLimit.h"

#include <string>
#include <string_view>

namespace base {

// How many names a write tries before it gives up: a file of the user's may
// already bear one.
constexpr unsigned kTemporaryNames = 100;

// The `attempt`-th name for `path`: path + "~", then path + "~1", "~2" ...;
// empty when it would be longer than kLongestPath.
inline std::string TemporaryName(std::string_view path, unsigned attempt) {
    std::string name(path);
    name += '~';
    if (attempt > 0) {
        name += std::to_string(attempt);
    }
    return name.size() <= kLongestPath ? name : std::string();
}

} // namespace base
