// The maker's web site as this executable was built for it: the build-time
// site address (ZEMIT_SITE_URL) with the home page and the listing page.
// Defined in SiteUrls.cpp, which each executable links once.
#pragma once

namespace update {

extern const char kHomePageUrl[];
extern const char kListingUrl[];

} // namespace update
