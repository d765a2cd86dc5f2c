// Stoichiometric names of binary compounds, made from the formula's counts:
// "trioxid diželeza" for Fe2O3, "dioxid uhlíku" for CO2, "trichlorid železa"
// for FeCl3. Schools teach the names with endings; these count as right too,
// but are never asked. Texts are code page 1250.
#pragma once

#include "practice/CompoundList.h"

#include <string>
#include <vector>

namespace practice {

// Every form accepted: a count of one with or without "mono", a numeral
// before "oxid" with or without its last vowel (pentaoxid, pentoxid), the
// element's name in the genitive in the spellings in use. None for compounds
// that are not binary or whose element the table lacks.
std::vector<std::string> StoichiometricNames(const Compound& compound);

} // namespace practice
