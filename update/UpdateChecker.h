// The "Check new version" operation: lists what the maker's download page
// offers for a product and offers to open the maker's home page.
#pragma once

#include <windows.h>

namespace update {

// Fetches the listing page of the maker's web site, shows the entries that
// mention `key` (or a no-data notice) in an OK/Cancel box without owner, and
// on OK opens the home page with `owner` as the parent window. `owner` also
// owns the fetch's error boxes.
void UpdateChecker(HWND owner, const char* key);

// The same against the given listing page and home page.
void UpdateChecker(HWND owner, const char* key, const char* listingUrl, const char* homeUrl);

} // namespace update
