// A file's text shared between processes through the named mapping
// "SdilenySoubor", and text put in front of a file through a mapping.
#include "support/files/Files.h"

#include "support/files/FileDialog.h"
#include "support/files/FileText.h"
#include "base/Owners.h"

#include <cstring>
#include <string>
#include <utility>

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
    const base::KernelOwner mapping(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kMappingName));
    if (!mapping) {
        ShowLastError(kMappingMissing);
        return false;
    }
    const base::ViewOwner view(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!view) {
        ShowLastError(kMappingMissing);
        return false;
    }
    char* bytes = static_cast<char*>(view.Get());
    use(bytes, ViewSize(bytes));
    return true;
}

// `length` bytes of a file mapped read-write (the file grown to that length),
// under a name or unnamed. The view goes before the mapping.
struct WholeFileMapping {
    base::KernelOwner mapping;
    base::ViewOwner view;
    char* bytes() const { return static_cast<char*>(view.Get()); }
};
WholeFileMapping MapWholeFile(HANDLE file, DWORD length, const char* name) {
    WholeFileMapping mapped;
    mapped.mapping.Reset(CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, length, name));
    if (mapped.mapping) {
        mapped.view.Reset(MapViewOfFile(mapped.mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    }
    return mapped;
}

} // namespace

bool OpenSharedFile(HWND dialog, int item) {
    char name[MAX_PATH];
    if (!AskOpenFileName(dialog, name) || SharedView != nullptr) {
        return false;
    }
    base::FileOwner file(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD high = 0;
    const DWORD size = GetFileSize(file.Get(), &high);
    // The mapping is one byte longer than the file, which must stay a 32-bit size.
    if (high != 0 || size >= INVALID_FILE_SIZE - 1) {
        return false;
    }
    WholeFileMapping mapped = MapWholeFile(file.Get(), size + 1, kMappingName);
    if (!mapped.view) {
        return false;
    }
    mapped.bytes()[size] = '\0';
    SharedFileHandle = file.Detach();
    SharedMappingHandle = mapped.mapping.Detach();
    SharedView = static_cast<char*>(mapped.view.Detach());
    SetDlgItemTextA(dialog, item, SharedView);
    return true;
}

bool CloseSharedFile(HWND dialog, int item) {
    if (SharedView == nullptr) {
        return false;
    }
    {
        // Released in reverse order: the view, the mapping, the file.
        const base::FileOwner file(std::exchange(SharedFileHandle, INVALID_HANDLE_VALUE));
        const base::KernelOwner mapping(std::exchange(SharedMappingHandle, nullptr));
        const base::ViewOwner view(std::exchange(SharedView, nullptr));
    }
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
    const base::FileOwner file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const size_t n = std::strlen(text);
    DWORD high = 0;
    const DWORD size = GetFileSize(file.Get(), &high);
    // Nothing to put in front: the file already starts with the empty text. A
    // mapping of zero bytes cannot be made, and the sum must stay a 32-bit size.
    if (n == 0 || high != 0 || size == INVALID_FILE_SIZE || n > INVALID_FILE_SIZE - 1 - size) {
        return n == 0 && high == 0 && size != INVALID_FILE_SIZE;
    }
    const DWORD total = size + static_cast<DWORD>(n);
    const WholeFileMapping mapped = MapWholeFile(file.Get(), total, nullptr); // grows the file by n
    if (!mapped.view) {
        return false;
    }
    std::memmove(mapped.bytes() + n, mapped.bytes(), size);
    std::memcpy(mapped.bytes(), text, n);
    return true;
}

} // namespace support
