// HTTP downloads into files: the page fetch's reader and read loop, with each
// chunk written to the file instead of gathered in memory, and one picture
// fetched by urlmon in a single call.
#include "support/net/Net.h"

#include "base/BodyPump.h"
#include "base/UrlReader.h"
#include "base/WholeFile.h"

#include <urlmon.h>

#include <functional>

namespace support {

namespace {

constexpr int kUrlSize = 260;

const char* const kPageFile = "stazena_stranka.txt";
const char* const kPictureFile = "d:\\stazeno.jpg";

} // namespace

bool DownloadPageToFile(HWND owner, const char* url, const char* path) {
    base::UrlReader reader;
    if (const char* failure = reader.Open(url)) {
        base::ShowFetchError(owner, failure);
        return false;
    }
    base::FileOwner file;
    if (path != nullptr) {
        file.Reset(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    if (!file) {
        reader.Close();
        base::ShowFetchError(owner, "Soubor nelze vytvořit");
        return false;
    }
    const base::BodyEnd end =
        base::PumpBody(std::ref(reader), [&file](const char* szText, uint32_t dwPrecteno) {
            return base::WriteAll(file.Get(), szText, dwPrecteno);
        });
    file.Reset();
    reader.Close();
    // A page cut short must not pass for the whole page: the failure is
    // reported, and what was received stays in the file.
    if (end != base::BodyEnd::complete) {
        base::ShowFetchError(owner, end == base::BodyEnd::readFailed ? base::kReadFailed
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
        base::ShowFetchError(owner, "Soubor nelze stáhnout");
        return false;
    }
    return true;
}

} // namespace support
