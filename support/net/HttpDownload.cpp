// HTTP downloads into files: the page fetch's read loop, with each chunk
// written to the file instead of gathered in memory, and one picture fetched
// by urlmon in a single call.
#include "support/net/Net.h"
#include "update/PageBody.h"

#include <urlmon.h>

namespace support {

namespace {

constexpr int kUrlSize = 260;

const char* const kAgent = "Stažení HTTP";
const char* const kPageFile = "stazena_stranka.txt";
const char* const kPictureFile = "d:\\stazeno.jpg";

void Error(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Chyba", MB_ICONERROR | MB_OK);
}

} // namespace

bool DownloadPageToFile(HWND owner, const char* url, const char* path) {
    HINTERNET hInternet = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (hInternet == nullptr) {
        Error(owner, "Chyba InternetOpen");
        return false;
    }
    HINTERNET hUrl = url == nullptr ? nullptr : InternetOpenUrlA(hInternet, url, nullptr, 0, 0, 0);
    if (hUrl == nullptr) {
        Error(owner, "Chyba InternetOpenUrl");
        InternetCloseHandle(hInternet);
        return false;
    }
    HANDLE hFile = path == nullptr
                       ? INVALID_HANDLE_VALUE
                       : CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        InternetCloseHandle(hUrl);
        InternetCloseHandle(hInternet);
        Error(owner, "Soubor nelze vytvořit");
        return false;
    }
    const update::BodyEnd end = update::PumpBody(
        [hUrl](char* szText, uint32_t size, uint32_t* dwPrecteno) {
            DWORD count = 0;
            const BOOL ok = InternetReadFile(hUrl, szText, size, &count);
            *dwPrecteno = count;
            return ok != FALSE;
        },
        [hFile](const char* szText, uint32_t dwPrecteno) {
            DWORD dwZapsano = 0;
            return WriteFile(hFile, szText, dwPrecteno, &dwZapsano, nullptr) != FALSE &&
                   dwZapsano == dwPrecteno;
        });
    CloseHandle(hFile);
    InternetCloseHandle(hUrl);
    InternetCloseHandle(hInternet);
    // A page cut short must not pass for the whole page, here as in the page
    // fetch: the partial file goes and the failure is reported.
    if (end != update::BodyEnd::complete) {
        DeleteFileA(path);
        Error(owner, end == update::BodyEnd::readFailed ? "Chyba InternetReadFile"
                                                        : "Soubor nelze zapsat");
        return false;
    }
    MessageBoxA(owner, "Stránka stažena", "Hotovo", MB_ICONINFORMATION | MB_OK);
    return true;
}

bool DownloadPageFromField(HWND dialog, int urlId) {
    char szURL[kUrlSize] = {};
    GetDlgItemTextA(dialog, urlId, szURL, kUrlSize);
    return DownloadPageToFile(dialog, szURL, kPageFile);
}

bool DownloadPicture(HWND owner) {
    return DownloadPictureFrom(owner, kPictureUrl);
}

bool DownloadPictureFrom(HWND owner, const char* url) {
    if (url == nullptr || URLDownloadToFileA(nullptr, url, kPictureFile, 0, nullptr) != S_OK) {
        Error(owner, "Soubor nelze stáhnout");
        return false;
    }
    return true;
}

} // namespace support
