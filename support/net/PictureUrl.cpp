// The picture's address for the site this executable is built for. Kept in a
// file of its own, so that a build for another site links its own copy.
#include "support/net/Net.h"
#include "support/net/PictureAddress.h"

namespace support {

const char kPictureUrl[] = ZEMIT_PICTURE_URL;

} // namespace support
