#include "dialogs/AttemptStore.h"

#include "base/Owners.h"
#include "base/WholeFile.h"
#include "practice/AttemptFile.h"

#include <shlobj.h>

#include <vector>

namespace dialogs {
namespace {

// More pupils of one name and class than any school has.
constexpr int kMostNumbers = 999;
// How often a write is tried, and the pause after the first try, which grows
// with each: about a second in all.
constexpr int kTries = 5;
constexpr DWORD kPause = 60; // ms
// A copy larger than this is not one this program wrote.
constexpr DWORD kLargestCopy = 1 << 20;

bool MakeFolder(const std::string& folder) {
    return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Writes everything and flushes it to the disk.
bool Fill(HANDLE file, const std::string& bytes) {
    return base::WriteAll(file, bytes.data(), bytes.size()) && SetEndOfFile(file) &&
           FlushFileBuffers(file);
}

} // namespace

bool CreateResultFile(const std::string& folder, const std::string& fileName,
                      const std::string& bytes, std::string& path) {
    if (!MakeFolder(folder)) {
        return false;
    }
    for (int n = 1; n <= kMostNumbers; ++n) {
        const std::string candidate = folder + "\\" + practice::NumberedFileName(fileName, n);
        base::FileOwner file(CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
                continue; // another pupil's: the next number
            }
            return false;
        }
        path = candidate;
        return Fill(file.Get(), bytes);
    }
    SetLastError(ERROR_FILE_EXISTS);
    return false;
}

bool RewriteResultFile(const std::string& path, const std::string& bytes) {
    // A file on a shared drive is often held for a moment by someone else (a
    // virus scanner, the indexer, the server, the teacher's overview): the
    // replacement is tried again before the file is written in place.
    base::WriteStep failed = base::WriteStep::None;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (base::WriteWholeFile(path, bytes, &failed, false)) {
            return true;
        }
        if (failed == base::WriteStep::Fill) {
            return false; // the disk or the network failed: the old file stays
        }
        Sleep(kPause * (attempt + 1));
    }
    // A drop box lets the pupil write the file but not replace it.
    for (int attempt = 0; attempt < kTries; ++attempt) {
        base::FileOwner file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            return Fill(file.Get(), bytes);
        }
        Sleep(kPause * (attempt + 1));
    }
    return false;
}

std::string LocalAttemptFolder() {
    std::vector<char> data(MAX_PATH, '\0');
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, data.data()))) {
        return "";
    }
    const std::string zemit = std::string(data.data()) + "\\Zemit";
    const std::string tests = zemit + "\\Testy";
    return MakeFolder(zemit) && MakeFolder(tests) ? tests : "";
}

bool SaveLocalAttempt(const std::string& localPath, const std::string& sharedPath,
                      const std::string& bytes) {
    return base::WriteWholeFile(localPath, sharedPath + "\r\n" + bytes);
}

bool LoadLocalAttempt(const std::string& localPath, std::string& sharedPath, std::string& bytes) {
    base::FileOwner file(CreateFileA(localPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestCopy) {
        return false;
    }
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() &&
        (!ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr) ||
         read != text.size())) {
        return false;
    }
    const std::size_t end = text.find("\r\n");
    if (end == std::string::npos || end == 0) {
        return false;
    }
    sharedPath = text.substr(0, end);
    bytes = text.substr(end + 2);
    return true;
}

} // namespace dialogs
