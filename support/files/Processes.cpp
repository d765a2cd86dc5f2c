// The executable behind a process or a window, through psapi loaded at run time.
#include "support/files/Files.h"

#include "base/Owners.h"

namespace support {
namespace {

using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
using GetModuleNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

void Clear(char* buffer, DWORD size) {
    if (buffer != nullptr && size > 0) {
        buffer[0] = '\0';
    }
}

} // namespace

bool GetProcessModuleNames(DWORD processId, char* baseName, DWORD baseSize, char* fullPath,
                           DWORD fullSize) {
    Clear(baseName, baseSize);
    Clear(fullPath, fullSize);
    const base::LibraryOwner library(LoadLibraryA("psapi.dll"));
    if (!library) {
        return false;
    }
    const base::KernelOwner owner(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!owner) {
        return false;
    }
    const HMODULE psapi = library.Get();
    const HANDLE process = owner.Get();
    const auto enumModules = reinterpret_cast<EnumProcessModulesFn>(
        reinterpret_cast<void*>(GetProcAddress(psapi, "EnumProcessModules")));
    const auto baseNameOf = reinterpret_cast<GetModuleNameFn>(
        reinterpret_cast<void*>(GetProcAddress(psapi, "GetModuleBaseNameA")));
    const auto fileNameOf = reinterpret_cast<GetModuleNameFn>(
        reinterpret_cast<void*>(GetProcAddress(psapi, "GetModuleFileNameExA")));
    const bool found = enumModules != nullptr && baseNameOf != nullptr;
    if (found) {
        // Room for one handle: the first module, which is the executable.
        HMODULE module = nullptr;
        DWORD needed = 0;
        if (enumModules(process, &module, sizeof module, &needed)) {
            if (baseName != nullptr && baseSize > 0) {
                baseNameOf(process, module, baseName, baseSize);
            }
            if (fullPath != nullptr && fullSize > 0 && fileNameOf != nullptr) {
                fileNameOf(process, module, fullPath, fullSize);
            }
        }
    }
    return found;
}

bool GetWindowProcessPath(HWND window, char* path) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char baseName[MAX_PATH];
    return GetProcessModuleNames(processId, baseName, MAX_PATH, path, MAX_PATH);
}

} // namespace support
