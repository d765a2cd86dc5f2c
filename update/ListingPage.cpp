#include "update/ListingPage.h"

#include <climits>
#include <cstring>

namespace update {

const char* const kStartMarker = "File: ";
const char* const kEndMarker = "</body>";

int FindTextEnd(const std::string& text, const std::string& needle, int start) {
    if (needle.empty()) {
        return -1;
    }
    const std::string::size_type from = start < 0 ? 0 : static_cast<std::string::size_type>(start);
    if (from >= text.size()) {
        return -1;
    }
    const std::string::size_type found = text.find(needle, from);
    if (found == std::string::npos || found + needle.size() > static_cast<unsigned>(INT_MAX)) {
        return -1;
    }
    return static_cast<int>(found + needle.size());
}

std::string DropByte(const std::string& text, char byte) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != byte) {
            kept += c;
        }
    }
    return kept;
}

std::string CutSection(const std::string& stNewDow) {
    const int e = FindTextEnd(stNewDow, kStartMarker, 0);
    if (e == -1) {
        return std::string();
    }
    // The length is measured from the end of the marker, so the section stops
    // 6 bytes before the end of the page.
    const std::string::size_type L = stNewDow.size();
    const std::string::size_type end = static_cast<std::string::size_type>(e);
    std::string stFind = stNewDow.substr(end - std::strlen(kStartMarker), L - end);
    const int b = FindTextEnd(stFind, kEndMarker, 0);
    if (b != -1) {
        stFind.resize(static_cast<std::string::size_type>(b) - std::strlen(kEndMarker));
    }
    return stFind;
}

std::string CollectEntries(const std::string& stFind, const std::string& key) {
    std::string stMessage;
    if (key.empty() || stFind.size() < static_cast<std::string::size_type>(kEntryLength)) {
        return stMessage;
    }
    const int keyLength = static_cast<int>(key.size());
    for (int h = FindTextEnd(stFind, key, 0); h != -1; h = FindTextEnd(stFind, key, h + 1)) {
        // An entry starts at the key itself, h - keyLength >= 0.
        const std::string stlist = stFind.substr(h - keyLength, kEntryLength);
        stMessage += stlist;
        stMessage += '\n';
    }
    return stMessage;
}

std::string PageToEntries(const std::string& page, const std::string& key) {
    const std::string stNewDow = DropByte(page, kPageDroppedByte);
    const std::string stFind = DropByte(CutSection(stNewDow), kSectionDroppedByte);
    return CollectEntries(stFind, key);
}

} // namespace update
