// Reading a formula as the list writes it or a pupil types it: element
// symbols with counts and one level of parentheses with a count, such as
// Ca3(PO4)2, Fe(OH)3 or (NH4)2SO4, the water of a hydrate after a dot:
// CuSO4·5H2O, and a complex in square brackets with one level of parentheses
// inside: K4[Fe(CN)6], [Cu(NH3)4]SO4. Messages are Czech, code page 1250.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace practice {

struct Atom {
    std::string symbol; // "Fe"
    int count;          // 1 when no count is written
};

// One part of a formula as written: a symbol with its count ("O3"), atoms
// in parentheses with the count after them ("(PO4)2"), or a complex in square
// brackets, its own groups inside ("[Fe(CN)6]"). Fe(OH)3 is two groups,
// FeO3H3 three, K4[Fe(CN)6] two.
struct Group {
    std::vector<Atom> atoms; // exactly one outside parentheses; none in brackets
    int count;               // the parentheses' or brackets' count; 1 outside them
    bool parenthesised;
    bool bracketed = false;
    std::vector<Group> inside = {}; // of brackets: Fe and (CN)6 in [Fe(CN)6]
};

struct Formula {
    std::vector<Group> groups;
    int waters = 0; // the molecules of water after the dot: 5 in CuSO4·5H2O
};

// The dot of a hydrate as the list writes it (the middle dot of code page
// 1250); a pupil may type it, "*" or "." instead.
constexpr char kHydrateDot = '\xB7';

struct FormulaReading {
    std::optional<Formula> formula;
    std::string error; // why there is no formula; empty when there is one
};

constexpr std::size_t kMaxFormulaLength = 30;
constexpr int kMaxCount = 99;

// Counts are 2 to 99, written without a leading zero; a parenthesis needs one,
// square brackets may have one. After the dot stands only water, with a count
// of 2 to 99 or none: ·H2O.
FormulaReading ReadFormula(std::string_view text);

// The formula as it was read.
std::string WriteFormula(const Formula& formula);

// How many atoms of each element, the water's too: Fe(OH)3 and FeO3H3 both
// give Fe 1, H 3, O 3.
std::map<std::string, int> CountAtoms(const Formula& formula);

} // namespace practice
