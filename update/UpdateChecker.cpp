#include "update/UpdateChecker.h"

#include "update/HttpPageFetcher.h"
#include "update/SiteUrls.h"
#include "update/UpdateDecision.h"

#include <shellapi.h>

#include <string>

namespace update {

static_assert(kUpdateBoxStyle == MB_OKCANCEL, "the boxes ask OK/Cancel without an icon");
static_assert(kOpenHomePageAnswer == IDOK, "OK opens the home page");

void UpdateChecker(HWND owner, const char* key) {
    UpdateChecker(owner, key, kListingUrl, kHomePageUrl);
}

void UpdateChecker(HWND owner, const char* key, const char* listingUrl, const char* homeUrl) {
    const std::string stNewDow = HttpPageFetcher(owner, listingUrl);
    const UpdateBox box = ChooseUpdateBox(stNewDow, key == nullptr ? "" : key);
    // The box has no owner, so the main dialog stays enabled while it is open.
    const int answer = MessageBoxA(nullptr, box.text.c_str(), box.caption.c_str(), kUpdateBoxStyle);
    if (OpensHomePage(answer)) {
        ShellExecuteA(owner, "open", homeUrl, nullptr, nullptr, SW_SHOW);
    }
}

} // namespace update
