// A file written whole or not at all: the bytes go into a temporary file
// beside it (see TemporaryName.h), which replaces it only once complete and
// flushed to the disk.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace base {

// The step of a whole-file write that failed, for the reason a user is told.
enum class WriteStep {
    None,      // nothing failed
    Temporary, // no temporary file could be made in the folder
    Fill,      // filling, flushing or closing the temporary file failed
    Replace,   // the file at the path could not be replaced (read-only, held open, a folder)
};

// `write(file)` fills a new temporary file in the folder of `path`; when it
// succeeds and the file is flushed and closed cleanly, the file replaces
// `path`, which keeps its attributes, permissions and creation time. A file
// of that temporary name that already exists is never touched: the next name
// is tried. A read-only `path` is refused. On any failure the temporary file
// goes, `path` stays as it was, the last error is that of the step that
// failed and `failed` (when given) names that step. One exception: when the
// old file was removed and the new one could not take its name (a failure
// that ReplaceFile can report), the temporary file stays as the one copy.
//
// With `keepSettings` false the new file takes the name by a plain rename
// and gets the folder's default settings: for files that many processes
// rewrite side by side in one folder, where Wine's ReplaceFile is not safe
// (it parks the old file under a temporary name that another process can
// pick at the same moment, and files get lost).
bool WriteWholeFile(const std::string& path, const std::function<bool(HANDLE)>& write,
                    WriteStep* failed = nullptr, bool keepSettings = true);

// The same for bytes in memory.
bool WriteWholeFile(const std::string& path, std::string_view bytes, WriteStep* failed = nullptr,
                    bool keepSettings = true);

// Reads the file at `path` into `bytes`, at most `most` bytes and one more, so
// that a larger file shows as such; false with the last error when it cannot
// be opened or read.
bool ReadWholeFile(const std::string& path, std::size_t most, std::string& bytes);

// Writes all `count` bytes or fails.
bool WriteAll(HANDLE file, const void* bytes, size_t count);

} // namespace base
