// What the explanations of each style share, for the files that write them.
#pragma once

#include "practice/Grading.h"
#include "practice/OxidationNumbers.h"
#include "practice/Wording.h"

#include <cstddef>
#include <string>

namespace practice {

// One side of a formula as an explanation counts it: Fe in Fe2O3 (two atoms
// of oxidation number III), SO4 in CuSO4 (one anion of charge 2-).
struct Side {
    std::string label; // "Fe", "jodu" (after "atom"), "SO4"
    int count;
    int value; // the oxidation number or charge of one unit
    const Noun* noun;
};

// How the two sides balance, ending with the formula: "Atom C s oxidačním
// číslem IV vyrovnají dva atomy O: (+4) + 2 · (-2) = 0, tedy CO2." or, when
// neither count is 1, through the least common multiple.
std::string Balance(const Side& cation, const Side& anion, bool charges,
                    const std::string& formula);

// The word of the name at `index`, empty where there is none.
std::string WordOf(const std::string& name, std::size_t index);
// The ending of the adjective for the oxidation number, as the name has it.
std::string AdjectiveEnding(const std::string& name, int number);

// The three styles; `name` is the name shown.
std::string Molecular(Kind kind, const Ions& ions, const std::string& formula,
                      const std::string& name, Ask ask);
std::string Ionic(Kind kind, const Ions& ions, const std::string& formula, const std::string& name,
                  Ask ask);
std::string Acid(const Compound& compound, const Ions& ions, Ask ask);
// Coordination compounds, through the charges of the complex and its ligands.
std::string Complex(const Compound& compound, const Ions& ions, Ask ask);
// Names built on another: the hydrate on its salt, thio- and peroxo- on the
// acid or salt named without the prefix, a trivial name on the systematic.
std::string Hydrate(const Compound& compound, const Ions& ions, Ask ask);
std::string Prefixed(const Compound& compound, const Ions& ions, Ask ask);
std::string Trivial(const Compound& compound, Ask ask);

} // namespace practice
