// A file's text shared between processes through the named mapping
// "SdilenySoubor", and text put in front of a file through a mapping.
#include "support/files/Files.h"

#include "support/files/FileDialog.h"
#include "support/files/FileText.h"

#include <cstring>
#include <string>

namespace support {

HANDLE SharedFileHandle = INVALID_HANDLE_VALUE;
HANDLE SharedMappingHandle = nullptr;
char* SharedView = nullptr;

namespace {

const char* const kMappingName = "SdilenySoubor";
const char* const kMappingMissing = "Nelze otevřít mapovaný soubor.";

// Bytes mapped at `view`: the whole mapping, rounded up to whole pages.
size_t ViewSize(const void* view) {
    MEMORY_BASIC_INFORMATION info = {};
    return VirtualQuery(view, &info, sizeof info) == 0 ? 0 : info.RegionSize;
}

// Maps the named mapping of another process (or of this one) and hands the
// view and its size to `use`.
template <class Use> bool WithNamedView(Use use) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kMappingName);
    if (mapping == nullptr) {
        ShowLastError(kMappingMissing);
        return false;
    }
    char* view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (view == nullptr) {
        const DWORD error = GetLastError();
        CloseHandle(mapping);
        SetLastError(error);
        ShowLastError(kMappingMissing);
        return false;
    }
    use(view, ViewSize(view));
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    return true;
}

// Maps `length` bytes of `file` read-write (growing the file to that length)
// under `name` (null: unnamed). On failure closes the file and returns null.
char* MapWholeFile(HANDLE file, DWORD length, const char* name, HANDLE* mapping) {
    *mapping = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, length, name);
    if (*mapping == nullptr) {
        CloseHandle(file);
        return nullptr;
    }
    char* view = static_cast<char*>(MapViewOfFile(*mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (view == nullptr) {
        CloseHandle(*mapping);
        CloseHandle(file);
    }
    return view;
}

} // namespace

bool OpenSharedFile(HWND dialog, int item) {
    char name[MAX_PATH];
    if (!AskOpenFileName(dialog, name) || SharedView != nullptr) {
        return false;
    }
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    // The mapping is one byte longer than the file, which must stay a 32-bit size.
    if (high != 0 || size >= INVALID_FILE_SIZE - 1) {
        CloseHandle(file);
        return false;
    }
    HANDLE mapping = nullptr;
    char* view = MapWholeFile(file, size + 1, kMappingName, &mapping);
    if (view == nullptr) {
        return false;
    }
    view[size] = '\0';
    SharedFileHandle = file;
    SharedMappingHandle = mapping;
    SharedView = view;
    SetDlgItemTextA(dialog, item, SharedView);
    return true;
}

bool CloseSharedFile(HWND dialog, int item) {
    if (SharedView == nullptr) {
        return false;
    }
    UnmapViewOfFile(SharedView);
    CloseHandle(SharedMappingHandle);
    CloseHandle(SharedFileHandle);
    SharedView = nullptr;
    SharedMappingHandle = nullptr;
    SharedFileHandle = INVALID_HANDLE_VALUE;
    SetDlgItemTextA(dialog, item, "");
    return true;
}

bool ShowSharedText(HWND dialog, int item) {
    return WithNamedView([&](const char* view, size_t size) {
        // Another process may have written anything: no terminator is assumed.
        const std::string text(view, BoundedTextLength(view, size));
        SetDlgItemTextA(dialog, item, text.c_str());
    });
}

bool MaskSharedText() {
    return WithNamedView([](char* view, size_t size) { MaskText(view, size); });
}

bool PrependToFile(const char* path, const char* text) {
    if (path == nullptr || text == nullptr || !FitsPath(path)) {
        return false;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const size_t n = std::strlen(text);
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    // Nothing to put in front: the file already starts with the empty text. A
    // mapping of zero bytes cannot be made, and the sum must stay a 32-bit size.
    if (n == 0 || high != 0 || size == INVALID_FILE_SIZE || n > INVALID_FILE_SIZE - 1 - size) {
        CloseHandle(file);
        return n == 0 && high == 0 && size != INVALID_FILE_SIZE;
    }
    const DWORD total = size + static_cast<DWORD>(n);
    HANDLE mapping = nullptr;
    char* view = MapWholeFile(file, total, nullptr, &mapping); // grows the file by n
    if (view == nullptr) {
        return false;
    }
    std::memmove(view + n, view, size);
    std::memcpy(view, text, n);
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    CloseHandle(file);
    return true;
}

} // namespace support
