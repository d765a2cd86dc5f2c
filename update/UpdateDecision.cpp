#include "update/UpdateDecision.h"

#include "update/ListingPage.h"

namespace update {

const char* const kEntriesCaption = "This file available, open home site?";
const char* const kNoDataText = "No data available, open home site?";
const char* const kNoDataCaption = "Notice:";

UpdateBox ChooseUpdateBox(const std::string& page, const std::string& key) {
    // An empty page, a page without a section and a section without entries
    // all end in the same question.
    std::string stMessage = PageToEntries(page, key);
    if (stMessage.empty()) {
        return {kNoDataText, kNoDataCaption};
    }
    for (char& c : stMessage) {
        if (c == '\0') {
            c = '?';
        }
    }
    return {stMessage, kEntriesCaption};
}

} // namespace update
