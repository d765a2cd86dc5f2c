// One HTTP GET over WinInet on a direct session, read chunk by chunk: the
// plumbing that the page fetch and the support library's download share.
#pragma once

#include "base/Owners.h"

#include <cstdint>

namespace base {

// Sent as the User-Agent of every fetch.
extern const char* const kHttpAgent; // "Stažení HTTP"

// The box texts of the steps that can fail.
extern const char* const kSessionFailed; // "Chyba InternetOpen"
extern const char* const kUrlFailed;     // "Chyba InternetOpenUrl"
extern const char* const kReadFailed;    // "Chyba InternetReadFile"

// An error box of a fetch: caption "Chyba", error icon, owned by `owner`.
void ShowFetchError(HWND owner, const char* text);

class UrlReader {
  public:
    // Opens the session and the URL (null: fails at the URL). Returns null
    // on success, or the box text of the step that failed.
    const char* Open(const char* url);
    // The reader of the body loop: reads up to `size` bytes. A body that ends
    // before the length its response announced fails: the connection broke.
    bool operator()(char* buffer, uint32_t size, uint32_t* count);
    // Closes the URL, then the session.
    void Close();

  private:
    uint64_t announced_ = 0; // the response's Content-Length; 0: none given
    uint64_t received_ = 0;
    InternetOwner session_;
    InternetOwner url_; // declared last: goes first
};

} // namespace base
