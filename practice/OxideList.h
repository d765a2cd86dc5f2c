// The oxides a pupil practises: formulas with their names as Czech schools
// teach them, compiled in from resources/oxides.tsv. Texts are code page 1250.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace practice {

struct Oxide {
    std::string formula; // e.g. "Fe2O3"
    std::string name;    // e.g. "oxid železitý"
};

// The list's text as compiled in: "formula<TAB>name" lines, "#" comment lines.
const char* OxideListText();

struct OxideList {
    std::vector<Oxide> oxides;
    // 1-based numbers of lines that are neither an oxide, a comment nor empty.
    std::vector<int> badLines;
};

// Reads the list: one oxide a line, formula and name split by one tab, both
// non-empty and the formula without blanks; a CR before the line break goes.
OxideList ParseOxideList(std::string_view text);

} // namespace practice
