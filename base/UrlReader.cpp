#include "base/UrlReader.h"

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
    return url_ ? nullptr : kUrlFailed;
}

bool UrlReader::operator()(char* buffer, uint32_t size, uint32_t* count) {
    DWORD read = 0;
    const BOOL ok = InternetReadFile(url_.Get(), buffer, size, &read);
    *count = read;
    return ok != FALSE;
}

void UrlReader::Close() {
    url_.Reset();
    session_.Reset();
}

} // namespace base
