#include "base/WholeFile.h"

#include "base/Owners.h"
#include "base/TemporaryName.h"

namespace base {

bool WriteWholeFile(const std::string& path, const std::function<bool(HANDLE)>& write) {
    // A file marked read-only stays: Windows refuses to replace it, and so
    // does this call where the platform would not (Wine).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // CREATE_NEW: only a file this call made is ever filled, or deleted.
    FileOwner file;
    std::string temporary;
    for (unsigned attempt = 0; !file && attempt < kTemporaryNames; ++attempt) {
        temporary = TemporaryName(path, attempt);
        if (temporary.empty()) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return false;
        }
        file.Reset(CreateFileA(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    if (!file) {
        return false;
    }
    // Flushed before the move: after a power cut the name must not point at
    // a file whose bytes never reached the disk.
    bool complete = write(file.Get()) && FlushFileBuffers(file.Get());
    complete = file.Close() && complete; // a failed close may have lost data
    if (complete && MoveFileExA(temporary.c_str(), path.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    const DWORD error = GetLastError();
    DeleteFileA(temporary.c_str());
    SetLastError(error);
    return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    return WriteWholeFile(
        path, [bytes](HANDLE file) { return WriteAll(file, bytes.data(), bytes.size()); });
}

bool WriteAll(HANDLE file, const void* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr) && written == count;
}

} // namespace base
