// The longest path the program and its library accept: the classic MAX_PATH
// buffers hold this many characters and the terminator.
#pragma once

#include <cstddef>

namespace base {

constexpr std::size_t kLongestPath = 259;

} // namespace base
