// The compounds a pupil practises, of every kind, with the names Czech schools
// teach, compiled in from resources/compounds.tsv. Texts are code page 1250.
#pragma once

#include "practice/Kind.h"
#include "practice/Level.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

struct Compound {
    Kind kind;
    std::string formula;                     // "Fe2O3", "Ca3(PO4)2": the smallest ratio, shown
    std::vector<std::string> names;          // the first is shown, all count as right
    Level level = Level::Primary;            // where it is taught first
    std::vector<std::string> molecular = {}; // real molecules named the same: P4O10 for P2O5
    // Of a trivial name: the systematic name of its formula ("oxid vápenatý"
    // for pálené vápno), from the list's line of that formula or given.
    std::string systematic = {};

    const std::string& Name() const { return names.front(); }
};

// The list's text as compiled in.
const char* CompoundListText();

struct CompoundList {
    std::vector<Compound> compounds;
    // One line per malformed line: "řádek 12: neznámá skupina „oxidy“".
    std::vector<std::string> errors;
};

// Reads the list: "kind<TAB>formulas<TAB>names<TAB>level" lines, a known kind,
// formulas and names split by "|" (the first is the one shown), none empty and
// no formula with a blank, the level "ZŠ" or "SŠ". A trivial name's line may
// have a fifth field, its systematic name, which it needs when no line of
// another kind has its formula. A CR before the line break goes; empty lines
// and "#" lines are skipped.
CompoundList ParseCompoundList(std::string_view text);

// The compiled-in list, read once.
const std::vector<Compound>& ListedCompounds();

} // namespace practice
