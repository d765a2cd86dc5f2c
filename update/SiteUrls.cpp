#include "update/SiteUrls.h"

#include "resources/SiteAddress.h"

namespace update {

const char kHomePageUrl[] = ZEMIT_HOME_PAGE_URL;
const char kListingUrl[] = ZEMIT_LISTING_URL;

} // namespace update
