#include "app/ModuleInfo.h"

#include "app/MainDialogModel.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

namespace app {

std::string ProgramDirectory() {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA(nullptr), buffer, MAX_PATH);
    PathRemoveFileSpecA(buffer);
    return std::string(buffer) + "\\";
}

std::string VersionText(std::string path) {
    if (path.size() > kLongestPath) {
        throw 0; // a longer path would be silently cut to another file's name
    }
    char szPath[MAX_PATH] = {};
    std::memcpy(szPath, path.c_str(), path.size());

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(szPath, &ignored);
    if (size == 0) {
        throw 0;
    }
    HANDLE heap = GetProcessHeap();
    void* block = HeapAlloc(heap, 0, size);
    if (block == nullptr) {
        throw 0;
    }
    VS_FIXEDFILEINFO* fixedInfo = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(szPath, 0, size, block) ||
        !VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixedInfo), &length) ||
        fixedInfo == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        HeapFree(heap, 0, block);
        throw 0;
    }
    const DWORD versionMS = fixedInfo->dwFileVersionMS;
    const DWORD versionLS = fixedInfo->dwFileVersionLS;
    HeapFree(heap, 0, block);
    return FormatFileVersion(versionMS, versionLS);
}

} // namespace app
