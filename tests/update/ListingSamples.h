// Sample text shared by the listing page tests.
#pragma once

#include <string>

// The 30 bytes that follow the product key in a full entry of the listing page.
inline const std::string kEntryTail = "-1.0.0.3.zip  (2024-05-01) 1MB";
