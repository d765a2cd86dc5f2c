#include "update/HttpPageFetcher.h"

#include "update/PageBody.h"

#include <wininet.h>

namespace update {

const char* const kAgent = "Stažení HTTP";

namespace {

void ShowFetchError(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Chyba", MB_ICONERROR | MB_OK);
}

} // namespace

std::string HttpPageFetcher(HWND owner, const char* url) {
    HINTERNET hInternet = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (hInternet == nullptr) {
        ShowFetchError(owner, "Chyba InternetOpen");
        return std::string();
    }
    HINTERNET hUrl = url == nullptr ? nullptr : InternetOpenUrlA(hInternet, url, nullptr, 0, 0, 0);
    if (hUrl == nullptr) {
        ShowFetchError(owner, "Chyba InternetOpenUrl");
        InternetCloseHandle(hInternet);
        return std::string();
    }
    GatheredBody stReturn = GatherBody([hUrl](char* szText, uint32_t size, uint32_t* dwPrecteno) {
        DWORD count = 0;
        const BOOL ok = InternetReadFile(hUrl, szText, size, &count);
        *dwPrecteno = count;
        return ok != FALSE;
    });
    InternetCloseHandle(hUrl);
    InternetCloseHandle(hInternet);
    // A page cut short must not pass for the whole page.
    if (stReturn.failed) {
        ShowFetchError(owner, "Chyba InternetReadFile");
        return std::string();
    }
    return std::move(stReturn.body);
}

} // namespace update
