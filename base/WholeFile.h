// A file written whole or not at all: the bytes go into a temporary file
// beside it (see TemporaryName.h), which replaces it only once complete and
// flushed to the disk.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace base {

// `write(file)` fills a new temporary file in the folder of `path`; when it
// succeeds and the file is flushed and closed cleanly, the file replaces
// `path`. A file of that temporary name that already exists is never touched:
// the next name is tried. A read-only `path` is refused. On any failure the temporary file goes,
// `path` stays as it was and the last error is that of the step that failed.
bool WriteWholeFile(const std::string& path, const std::function<bool(HANDLE)>& write);

// The same for bytes in memory.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// Writes all `count` bytes or fails.
bool WriteAll(HANDLE file, const void* bytes, size_t count);

} // namespace base
