#include "base/WholeFile.h"

#include "base/Owners.h"

namespace base {

bool WriteWholeFile(const std::string& path, const std::string& temporary,
                    const std::function<bool(HANDLE)>& write) {
    FileOwner file(CreateFileA(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool complete = file && write(file.Get());
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

bool WriteAll(HANDLE file, const void* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr) && written == count;
}

} // namespace base
