#include "base/UrlReader.h"

#include <cstdlib>

namespace base {

const char* const kHttpAgent = "Stažení HTTP";
const char* const kSessionFailed = "Chyba InternetOpen";
const char* const kUrlFailed = "Chyba InternetOpenUrl";
const char* const kReadFailed = "Chyba InternetReadFile";

void ShowFetchError(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Chyba", MB_ICONERROR | MB_OK);
}

const char* UrlReader::Open(const char* url) {
    session_.Reset(InternetOpenA(kHttpAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session_) {
        return kSessionFailed;
    }
    if (url != nullptr) {
        url_.Reset(InternetOpenUrlA(session_.Get(), url, nullptr, 0, 0, 0));
    }
    if (!url_) {
        return kUrlFailed;
    }
    char length[32] = {};
    DWORD size = sizeof length;
    announced_ = HttpQueryInfoA(url_.Get(), HTTP_QUERY_CONTENT_LENGTH, length, &size, nullptr)
                     ? std::strtoull(length, nullptr, 10)
                     : 0;
    received_ = 0;
    return nullptr;
}

bool UrlReader::operator()(char* buffer, uint32_t size, uint32_t* count) {
    DWORD read = 0;
    const BOOL ok = InternetReadFile(url_.Get(), buffer, size, &read);
    *count = read;
    received_ += read;
    // WinInet ends a body whose connection was reset as if it were complete.
    return ok != FALSE && (read != 0 || received_ >= announced_);
}

void UrlReader::Close() {
    url_.Reset();
    session_.Reset();
}

} // namespace base
