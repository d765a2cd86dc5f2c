#include "app/ModuleInfo.h"

#include "base/Owners.h"

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
    const base::HeapBlockOwner block(HeapAlloc(GetProcessHeap(), 0, size));
    if (!block) {
        throw 0;
    }
    VS_FIXEDFILEINFO* fixedInfo = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(szPath, 0, size, block.Get()) ||
        !VerQueryValueA(block.Get(), "\\", reinterpret_cast<void**>(&fixedInfo), &length) ||
        fixedInfo == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        throw 0;
    }
    return FormatFileVersion(fixedInfo->dwFileVersionMS, fixedInfo->dwFileVersionLS);
}

} // namespace app
