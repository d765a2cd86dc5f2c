// Feeds arbitrary listing pages to the update check's page rules and checks
// them against a plain byte-by-byte rendering of the same rules, plus the
// invariants of each step. Input: one byte choosing the key, one byte for a
// search start, then the page.
#include "fuzz/FuzzCheck.h"
#include "update/ListingPage.h"
#include "update/UpdateDecision.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Candidate positions are where the needle's first byte occurs; a window
// running past the end does not match.
int SlowFindTextEnd(const std::string& text, const std::string& needle, int start) {
    if (needle.empty()) {
        return -1;
    }
    for (size_t p = start < 0 ? 0 : static_cast<size_t>(start); p < text.size(); ++p) {
        if (text[p] != needle[0] || p + needle.size() > text.size()) {
            continue;
        }
        size_t i = 1;
        while (i < needle.size() && text[p + i] == needle[i]) {
            ++i;
        }
        if (i == needle.size()) {
            return static_cast<int>(p + needle.size());
        }
    }
    return -1;
}

std::string SlowDrop(const std::string& text, unsigned char byte) {
    std::string kept;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) != byte) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::string SlowEntries(const std::string& page, const std::string& key) {
    const std::string stNewDow = SlowDrop(page, 0xCC);
    const int L = static_cast<int>(stNewDow.size());
    const int e = SlowFindTextEnd(stNewDow, "File: ", 0);
    if (e == -1) {
        return "";
    }
    std::string stFind = stNewDow.substr(e - 6, L - e);
    const int b = SlowFindTextEnd(stFind, "</body>", 0);
    if (b != -1) {
        stFind = stFind.substr(0, b - 7);
    }
    stFind = SlowDrop(stFind, 0x0C);
    std::string stMessage;
    for (int h = SlowFindTextEnd(stFind, key, 0); h != -1;
         h = SlowFindTextEnd(stFind, key, h + 1)) {
        if (stFind.size() >= 35) {
            stMessage += stFind.substr(h - key.size(), 35) + "\n";
        }
    }
    return stMessage;
}

const char* const kKeys[] = {"zemit", "z", "ze", "zemit2", "", "File: ", "\xCC", "\x0C"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::string key = kKeys[data[0] % (sizeof kKeys / sizeof kKeys[0])];
    const int start = static_cast<int8_t>(data[1]) * 4;
    const std::string page(reinterpret_cast<const char*>(data + 2), size - 2);

    // FindTextEnd agrees with the candidate search and points past a match.
    for (const std::string& needle : {key, std::string("</body>"), std::string("File: ")}) {
        const int end = update::FindTextEnd(page, needle, start);
        fuzz::Check(end == SlowFindTextEnd(page, needle, start));
        if (end != -1) {
            const size_t begin = static_cast<size_t>(end) - needle.size();
            fuzz::Check(static_cast<int>(begin) >= start &&
                        page.compare(begin, needle.size(), needle) == 0);
        }
    }

    // The section is a piece of the page from the marker on (only part of the
    // marker when fewer than 6 bytes follow it), stops 6 bytes short of the
    // end and holds no end marker.
    const std::string stNewDow = update::DropByte(page, static_cast<char>(0xCC));
    fuzz::Check(stNewDow.find(static_cast<char>(0xCC)) == std::string::npos);
    const std::string stFind = update::CutSection(stNewDow);
    if (!stFind.empty()) {
        const size_t at = stNewDow.find("File: ");
        fuzz::Check(at != std::string::npos && stNewDow.compare(at, stFind.size(), stFind) == 0);
        fuzz::Check(at + stFind.size() + 6 <= stNewDow.size());
        fuzz::Check(stFind.find("</body>") == std::string::npos);
    }

    // Every entry starts with the key and lost the dropped bytes.
    const std::string stMessage = update::PageToEntries(page, key);
    fuzz::Check(stMessage == SlowEntries(page, key));
    if (!stMessage.empty()) {
        fuzz::Check(!key.empty() && stMessage.compare(0, key.size(), key) == 0);
        fuzz::Check(stMessage.back() == '\n' && stMessage.size() <= stNewDow.size() * 36);
        fuzz::Check(stMessage.find('\x0C') == std::string::npos &&
                    stMessage.find(static_cast<char>(0xCC)) == std::string::npos);
    }

    const update::UpdateBox box = update::ChooseUpdateBox(page, key);
    fuzz::Check(box.text.find('\0') == std::string::npos);
    fuzz::Check(stMessage.empty()
                    ? box.text == update::kNoDataText && box.caption == update::kNoDataCaption
                    : box.text.size() == stMessage.size() &&
                          box.caption == update::kEntriesCaption);
    return 0;
}
