// A file written whole or not at all: the bytes go into a temporary file
// beside it, which replaces it only once complete.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace base {

// `write(file)` fills the new file `temporary` (in the folder of `path`);
// when it succeeds and the file closes cleanly, the file replaces `path`.
// On any failure the temporary file goes, `path` stays as it was and the last
// error is that of the step that failed.
bool WriteWholeFile(const std::string& path, const std::string& temporary,
                    const std::function<bool(HANDLE)>& write);

// Writes all `count` bytes or fails.
bool WriteAll(HANDLE file, const void* bytes, size_t count);

} // namespace base
