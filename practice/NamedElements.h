// Which word of a compound's name carries which element's oxidation number:
// "oxid železitý" Fe III in its second word, "síran sodný" S VI in the first
// and Na I in the second, "síran tetraamminměďnatý" S VI in the first and the
// complex's Cu II in the second. Hints and the list's checks read the endings
// there.
#pragma once

#include "practice/CompoundList.h"
#include "practice/Naming.h"

#include <cstddef>
#include <string>
#include <vector>

namespace practice {

struct NamedElement {
    std::string symbol;
    int number;       // the oxidation number, I to VIII
    std::size_t word; // of the name
    Form form;        // of that word's ending
};

// Elements named by an ending, the cation's first; none where the formula
// does not read. Hydrogen and ammonium are named without an ending.
std::vector<NamedElement> NamedElements(const Compound& compound);

// The word's ending for the element's oxidation number ("itý" in "železitý",
// "ečnan" in "fosforečnan"); empty when it has none of them.
std::string EndingIn(const std::string& word, int number, Form form);

} // namespace practice
