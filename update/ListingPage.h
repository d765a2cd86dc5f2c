// Reading the maker's download listing page: the page is cut down to its list
// section and every entry that mentions the product key is collected. Plain
// functions over byte strings (code page 1250); every comparison is byte for
// byte and case-sensitive.
#pragma once

#include <string>

namespace update {

// Marks the first byte of the list section ("File: ", with its space).
extern const char* const kStartMarker;
// Ends the list section.
extern const char* const kEndMarker;
// Bytes of one listed entry; also the smallest section that yields entries.
constexpr int kEntryLength = 35;
// Dropped from the whole page (the letter Ě in code page 1250).
constexpr char kPageDroppedByte = static_cast<char>(0xCC);
// Dropped from the section (form feed).
constexpr char kSectionDroppedByte = '\x0C';

// The index just past the first occurrence of `needle` that begins at or
// after `start`, or -1 when there is none. A start at or beyond the end of
// `text` gives -1; a negative start searches from 0; an empty needle never
// matches.
int FindTextEnd(const std::string& text, const std::string& needle, int start);

// `text` without any occurrence of `byte`.
std::string DropByte(const std::string& text, char byte);

// The list section of a page that has already lost its 0xCC bytes: from the
// first byte of the start marker, L - e bytes long (L the page length, e the
// end of the marker), then cut before the first end marker inside it. Empty
// when the page has no start marker or ends with it.
std::string CutSection(const std::string& stNewDow);

// The entries of a section that has already lost its 0x0C bytes: for each
// occurrence of `key`, the 35 bytes starting at the key (fewer at the end of
// the section), each followed by "\n". The next search starts one byte past
// the end of the previous occurrence. A section shorter than 35 bytes yields
// nothing, as does an empty key.
std::string CollectEntries(const std::string& stFind, const std::string& key);

// The whole way from a fetched page to the collected entries.
std::string PageToEntries(const std::string& page, const std::string& key);

} // namespace update
