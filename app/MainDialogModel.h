// Decisions of the main dialog that need no window: what the lists hold, how
// a formula is joined from the four texts, the caption and the version text.
#pragma once

#include "base/PathLimit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace app {

// Shown when a row of the dialog lacks a required text.
extern const char* const kMissingInputText;
extern const char* const kMessageCaption;

// Items of the count lists and of the oxygen list, in the order they are added.
std::vector<std::string> ElementCountItems();
std::vector<std::string> OxygenItems();
std::vector<std::string> OxygenCountItems();

// The formula to name from the texts of the symbol, element count, oxygen and
// oxygen count lists; nothing when the symbol or the oxygen text is empty.
std::optional<std::string> JoinFormula(const std::string& symbol, const std::string& elementCount,
                                       const std::string& oxygen, const std::string& oxygenCount);

// True when both texts of the composing row are present.
bool CompositionComplete(const std::string& name, const std::string& suffix);

// "major.minor.build.revision" of the fixed file version words.
std::string FormatFileVersion(uint32_t versionMS, uint32_t versionLS);

// Product name and version: "Zemit " + version; the caption adds the ending.
extern const char* const kCaptionPrefix;
std::string MainCaption(const std::string& captionText);

// The program's own file name, looked up in its directory for the version.
extern const char* const kProgramFileName;
extern const char* const kHelpFileName;

// Room for text read from a control, terminator included.
constexpr int kTextBufferSize = 2048;
// The version reader takes paths up to the shared limit.
using base::kLongestPath;

} // namespace app
