// Downloads the body of one web page over HTTP (WinInet) into memory.
#pragma once

#include <windows.h>

#include <string>

namespace update {

// Returns the body exactly as the server sent it, whatever the HTTP status.
// When the Internet handle or the URL cannot be opened, or a read fails
// part-way, shows an error box owned by `owner` and returns an empty text;
// an empty body also gives an empty text, without a box. Blocks the calling
// thread until the page is read.
std::string HttpPageFetcher(HWND owner, const char* url);

} // namespace update
