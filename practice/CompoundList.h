// Compounds beyond the oxides that a pupil practises, by category, with the
// names Czech schools teach, compiled in from resources/compounds.tsv. Texts
// are code page 1250.
#pragma once

#include "practice/Level.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

enum class Category { Hydroxide, Halide, Sulfide, Peroxide, BinaryAcid, Oxoacid, Salt };
constexpr int kCategoryCount = 7;

// The category as the list writes it ("hydroxid") and as the dialogs name it
// ("hydroxidy").
const char* CategoryKey(Category category);
const char* CategoryTitle(Category category);

struct Compound {
    Category category;
    std::string formula;            // e.g. "Ca3(PO4)2"
    std::vector<std::string> names; // the first is shown, all count as right
    Level level;
};

// The list's text as compiled in: "category<TAB>formula<TAB>names<TAB>level"
// lines, names split by "|", "#" comment lines.
const char* CompoundListText();

struct CompoundList {
    std::vector<Compound> compounds;
    // One line per malformed line: "řádek 12: neznámá skupina „oxid“".
    std::vector<std::string> errors;
};

// Reads the list. A line has four fields split by tabs: a known category, a
// formula without blanks, one or more non-empty names and "ZŠ" or "SŠ". A CR
// before the line break goes; empty lines and "#" lines are skipped.
CompoundList ParseCompoundList(std::string_view text);

} // namespace practice
