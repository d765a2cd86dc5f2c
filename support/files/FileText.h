// Window-free rules of the file utilities: path limits, the project-file line
// reader and the bounded text of a shared view.
#pragma once

#include "base/PathLimit.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace support {

// Whether `path` fits the classic path buffers (base::kLongestPath characters
// and the terminator) and holds no zero byte that would end it early.
bool FitsPath(std::string_view path);

// The text of a project file read line by line: each line without its line
// break (LF, or CR LF) followed by "\n". The end is tested before each line,
// so the last line gets its "\n" too, a final line break yields one more
// empty line and an empty file yields "\n". Lines of any length are kept whole.
std::string ProjectText(std::string_view bytes);

// Length of the zero-terminated text at `bytes`, never looking past `capacity`.
size_t BoundedTextLength(const char* bytes, size_t capacity);
// Overwrites every byte before the terminating zero with '*', within `capacity`.
void MaskText(char* bytes, size_t capacity);

} // namespace support
