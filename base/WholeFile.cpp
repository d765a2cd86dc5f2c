#include "base/WholeFile.h"

#include "base/Owners.h"
#include "base/TemporaryName.h"

#include <algorithm>

namespace base {
namespace {

// What a user may have set on a file that a new version of it keeps.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Reports `step` as the one that failed; the last error stays as it is.
bool Fails(WriteStep step, WriteStep* failed) {
    if (failed != nullptr) {
        *failed = step;
    }
    return false;
}

// Puts the complete `temporary` file in the place of `path`, whose attributes
// are `attributes` (INVALID_FILE_ATTRIBUTES: no file there yet). An existing
// file is replaced through ReplaceFile, so that what the user set on it stays
// (attributes, permissions, creation time, streams); merge errors are ignored,
// since a file system without such things (FAT) still takes the new bytes. A
// new name, or a file whose settings need no keeping, is a plain move. False
// when nothing moved: the temporary file then goes, unless `keep` is set (see
// below).
bool PutInPlace(const std::string& temporary, const std::string& path, DWORD attributes,
                bool keepSettings, bool* keep) {
    const DWORD moveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (attributes == INVALID_FILE_ATTRIBUTES || !keepSettings) {
        return MoveFileExA(temporary.c_str(), path.c_str(), moveFlags) != FALSE;
    }
    // ReplaceFile opens the old file for reading and deleting, sharing all.
    // Asked here first, a file held open fails before ReplaceFile starts:
    // Wine's leaves a file of its own beside it when it fails there.
    if (!FileOwner(CreateFileA(path.c_str(), GENERIC_READ | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
        return false;
    }
    // Windows's ReplaceFile carries the attributes over; Wine's does not, so
    // the new file gets them first (the same ones, so harmless on Windows).
    if ((attributes & kKeptAttributes) != 0) {
        SetFileAttributesA(temporary.c_str(), attributes & kKeptAttributes);
    }
    if (ReplaceFileA(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return true;
    }
    // The old file is gone and the new one still bears the temporary name:
    // the move finishes the replacement without the old file's settings. If
    // the move fails too, the temporary file is all that is left of either
    // and stays.
    if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        *keep = MoveFileExA(temporary.c_str(), path.c_str(), moveFlags) == FALSE;
        return !*keep;
    }
    return false;
}

} // namespace

bool WriteWholeFile(const std::string& path, const std::function<bool(HANDLE)>& write,
                    WriteStep* failed, bool keepSettings) {
    if (failed != nullptr) {
        *failed = WriteStep::None;
    }
    // A file marked read-only stays: Windows refuses to replace it, and so
    // does this call where the platform would not (Wine). So does a folder.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Fails(WriteStep::Replace, failed);
    }
    // CREATE_NEW: only a file this call made is ever filled, or deleted.
    FileOwner file;
    std::string temporary;
    for (unsigned attempt = 0; !file && attempt < kTemporaryNames; ++attempt) {
        temporary = TemporaryName(path, attempt);
        if (temporary.empty()) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return Fails(WriteStep::Temporary, failed);
        }
        file.Reset(CreateFileA(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS) {
            return Fails(WriteStep::Temporary, failed);
        }
    }
    if (!file) {
        return Fails(WriteStep::Temporary, failed);
    }
    // Flushed before the move: after a power cut the name must not point at
    // a file whose bytes never reached the disk.
    bool complete = write(file.Get()) && FlushFileBuffers(file.Get());
    complete = file.Close() && complete; // a failed close may have lost data
    bool keep = false;
    if (complete && PutInPlace(temporary, path, attributes, keepSettings, &keep)) {
        return true;
    }
    const DWORD error = GetLastError();
    if (!keep) {
        DeleteFileA(temporary.c_str());
    }
    SetLastError(error);
    return Fails(complete ? WriteStep::Replace : WriteStep::Fill, failed);
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, WriteStep* failed,
                    bool keepSettings) {
    return WriteWholeFile(
        path, [bytes](HANDLE file) { return WriteAll(file, bytes.data(), bytes.size()); }, failed,
        keepSettings);
}

bool WriteAll(HANDLE file, const void* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr) && written == count;
}

bool ReadWholeFile(const std::string& path, std::size_t most, std::string& bytes) {
    // Sharing everything: a file another program rewrites or replaces (a
    // pupil's result file) is read as it stands.
    FileOwner file(CreateFileA(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    bytes.assign(most + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1 << 16));
        if (!ReadFile(file.Get(), bytes.data() + filled, chunk, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            break;
        }
        filled += read;
    }
    bytes.resize(filled);
    return true;
}

} // namespace base
