// The oxides a pupil practises: formulas with their names as Czech schools
// teach them, compiled in from resources/oxides.tsv. Texts are code page 1250.
#pragma once

#include "practice/Level.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

struct Oxide {
    std::string formula; // e.g. "Fe2O3", in the smallest whole-number ratio
    std::string name;    // e.g. "oxid železitý", the name shown
    Level level = Level::Primary;
    std::vector<std::string> otherNames =
        {}; // also right: "oxid berylnatý" beside "oxid beryllnatý"
    std::vector<std::string> molecular = {}; // real molecules named the same: P4O10 for P2O5
};

// The list's text as compiled in: "formulas<TAB>names<TAB>level" lines, "#"
// comment lines.
const char* OxideListText();

struct OxideList {
    std::vector<Oxide> oxides;
    // 1-based numbers of lines that are neither an oxide, a comment nor empty.
    std::vector<int> badLines;
};

// Reads the list: one oxide a line, three fields split by tabs. The formulas
// ("P2O5|P4O10") and the names ("oxid beryllnatý|oxid berylnatý") are split
// by "|", the first being the one shown; none is empty and no formula has a
// blank. The level is "ZŠ" or "SŠ". A CR before the line break goes.
OxideList ParseOxideList(std::string_view text);

// The oxides a class of that level practises: primary school only its own,
// secondary school all.
std::vector<Oxide> AtLevel(const std::vector<Oxide>& oxides, Level level);

} // namespace practice
