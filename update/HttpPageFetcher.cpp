#include "update/HttpPageFetcher.h"

#include "base/BodyPump.h"
#include "base/UrlReader.h"

#include <functional>

namespace update {

std::string HttpPageFetcher(HWND owner, const char* url) {
    base::UrlReader reader;
    if (const char* failure = reader.Open(url)) {
        base::ShowFetchError(owner, failure);
        return std::string();
    }
    base::GatheredBody stReturn = base::GatherBody(std::ref(reader));
    reader.Close();
    // A page cut short must not pass for the whole page.
    if (stReturn.failed) {
        base::ShowFetchError(owner, base::kReadFailed);
        return std::string();
    }
    return std::move(stReturn.body);
}

} // namespace update
