// Finding, reading and describing files.
#include "support/files/Files.h"

#include "support/files/FileText.h"
#include "base/Owners.h"

#include <ole2.h>
#include <olectl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace support {
namespace {

const char* const kProjectOpenFailed = "Nelze otevřít soubor projektu";
const char* const kGetFileTimeFailed = "GetFileTime fc error";
const char* const kSetFileTimeFailed = "SetFileTime fc error";
const char* const kVersionValue = "\\StringFileInfo\\040904b0\\FileVersion";

// The whole file, or false when it cannot be read or held in memory.
bool ReadWholeFile(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size)) {
        return false;
    }
    if (static_cast<uint64_t>(size.QuadPart) >= bytes.max_size() / 2) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    try {
        bytes.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!ReadFile(file, &bytes[done], want, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            break; // the file shrank meanwhile
        }
        done += read;
    }
    bytes.resize(done);
    return true;
}

} // namespace

std::string FindFirstMatch(const char* folder, const char* pattern) {
    const std::string query = std::string(folder == nullptr ? "" : folder) +
                              std::string(pattern == nullptr ? "" : pattern);
    if (!FitsPath(query)) {
        return "";
    }
    WIN32_FIND_DATAA found;
    if (!base::FindOwner(FindFirstFileA(query.c_str(), &found))) {
        return "";
    }
    return found.cFileName;
}

std::string ReadProjectFile(const char* path) {
    if (path == nullptr || !FitsPath(path)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        ShowLastError(kProjectOpenFailed);
        return "";
    }
    const base::FileOwner file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file || !ReadWholeFile(file.Get(), bytes)) {
        ShowLastError(kProjectOpenFailed);
        return "";
    }
    try {
        return ProjectText(bytes);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        ShowLastError(kProjectOpenFailed);
        return "";
    }
}

bool QueryFileInfo(const char* path, uint64_t* size, SYSTEMTIME* created, LONG* width, LONG* height,
                   WORD* bitsPerPixel, int* stage, DWORD* code) {
    int dummyStage = 0;
    DWORD dummyCode = 0;
    stage = stage == nullptr ? &dummyStage : stage;
    code = code == nullptr ? &dummyCode : code;
    *stage = kInfoOk;
    *code = 0;
    if (path == nullptr || *path == '\0') {
        *stage = kInfoNoPath;
        return false;
    }
    const bool wantFile = size != nullptr || created != nullptr;
    const bool wantPicture = width != nullptr || height != nullptr || bitsPerPixel != nullptr;
    if ((wantFile || wantPicture) && !FitsPath(path)) {
        *stage = kInfoOpen;
        *code = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    bool result = false;
    if (wantFile) {
        const base::FileOwner file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            *stage = kInfoOpen;
            *code = GetLastError();
            return false;
        }
        BY_HANDLE_FILE_INFORMATION info;
        if (!GetFileInformationByHandle(file.Get(), &info)) {
            *stage = kInfoFileInformation;
            *code = GetLastError();
            return false;
        }
        if (size != nullptr) {
            *size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        }
        if (created != nullptr && !FileTimeToSystemTime(&info.ftCreationTime, created)) {
            *stage = kInfoTimeConversion;
            *code = GetLastError();
            return false;
        }
        result = true;
    }
    if (wantPicture) {
        wchar_t widePath[base::kLongestPath + 1] = {};
        MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, base::kLongestPath + 1);
        base::ComOwner<IPicture> picture;
        HRESULT hr = OleLoadPicturePath(widePath, nullptr, 0, 0, IID_IPicture,
                                        reinterpret_cast<void**>(picture.Put()));
        if (FAILED(hr) || !picture) {
            *stage = kInfoLoadPicture;
            *code = static_cast<DWORD>(hr);
            return false;
        }
        OLE_HANDLE handle = 0;
        hr = picture.Get()->get_Handle(&handle);
        BITMAP bitmap = {};
        if (FAILED(hr)) {
            *stage = kInfoPictureHandle;
            *code = static_cast<DWORD>(hr);
            result = false;
        } else if (handle == 0) {
            *stage = kInfoNullPicture;
            result = false;
        } else if (GetObjectA(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)),
                              sizeof bitmap, &bitmap) == 0) {
            *stage = kInfoPictureObject;
            *code = GetLastError();
            result = false;
        } else {
            if (width != nullptr) {
                *width = bitmap.bmWidth;
            }
            if (height != nullptr) {
                *height = bitmap.bmHeight;
            }
            if (bitsPerPixel != nullptr) {
                *bitsPerPixel = bitmap.bmBitsPixel;
            }
            result = true;
        }
    }
    return result;
}

void StampFileTimes(const char* path, FILETIME* time, SYSTEMTIME* systemTime, bool readOnly) {
    if (path == nullptr || !FitsPath(path)) {
        return;
    }
    const base::FileOwner file(CreateFileA(path,
                                           GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, 0,
                                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    if (readOnly) {
        if (time != nullptr) {
            GetFileTime(file.Get(), time, nullptr, nullptr);
        }
    } else {
        FILETIME creation, access, write;
        if (!GetFileTime(file.Get(), &creation, &access, &write)) {
            ShowLastError(kGetFileTimeFailed);
        } else if (time != nullptr && !SetFileTime(file.Get(), time, &access, time)) {
            ShowLastError(kSetFileTimeFailed);
        }
    }
    if (time != nullptr && systemTime != nullptr) {
        FileTimeToSystemTime(time, systemTime);
    }
}

bool CopyJpegFiles(const char* sourceFolder, const char* destinations) {
    // The shell reads a list ended by two zeros: the buffer's zero fill gives both.
    char source[MAX_PATH + 1] = {};
    const std::string pattern =
        std::string(sourceFolder == nullptr ? "" : sourceFolder) + "\\*.jpg";
    if (!FitsPath(pattern) || destinations == nullptr) {
        return false;
    }
    std::memcpy(source, pattern.data(), pattern.size());
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = nullptr;
    operation.wFunc = FO_COPY;
    operation.pFrom = source;
    operation.pTo = destinations;
    operation.fFlags = 0;
    return SHFileOperationA(&operation) == 0;
}

std::string GetFileVersionText(const char* path) {
    if (path == nullptr || !FitsPath(path)) {
        return "";
    }
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) {
        return "";
    }
    std::vector<char> block;
    try {
        block.resize(size);
    } catch (const std::bad_alloc&) {
        return "";
    }
    void* value = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(path, 0, size, block.data()) ||
        !VerQueryValueA(block.data(), kVersionValue, &value, &length) || value == nullptr) {
        return "";
    }
    // The value lies inside the block; its length counts characters with the terminator.
    const char* text = static_cast<const char*>(value);
    if (text < block.data() || text >= block.data() + block.size()) {
        return "";
    }
    const size_t room = block.data() + block.size() - text;
    return std::string(text, BoundedTextLength(text, std::min<size_t>(length, room)));
}

} // namespace support
