// What the update check tells the user about a fetched listing page, and what
// it does with the answer.
#pragma once

#include <string>

namespace update {

extern const char* const kEntriesCaption; // over the listed entries
extern const char* const kNoDataText;
extern const char* const kNoDataCaption;

// Both boxes ask OK/Cancel with no icon (MB_OKCANCEL); OK (IDOK) opens the
// home page, any other answer does nothing.
constexpr unsigned kUpdateBoxStyle = 1;
constexpr int kOpenHomePageAnswer = 1;

struct UpdateBox {
    std::string text; // never holds a zero byte
    std::string caption;
};

// The box for a fetched page (empty when the fetch failed): the collected
// entries under kEntriesCaption, or the no-data question when there are none.
// Zero bytes of the entries are shown as '?', since the box text ends at the
// first zero byte and would hide the entries behind it.
UpdateBox ChooseUpdateBox(const std::string& page, const std::string& key);

inline bool OpensHomePage(int answer) {
    return answer == kOpenHomePageAnswer;
}

} // namespace update
