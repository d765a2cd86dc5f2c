// Nomenclature tables: element symbols with their Czech name stems, the eight
// valence suffixes and the oxygen part of a formula by valence.
// All texts are code page 1250 bytes.
#pragma once

#include <array>
#include <string>

namespace chemistry {

// Number of rows of every ElementTable; each loop over the table uses it.
constexpr int kElementCount = 57;
// Valences 1 to 8; row number = valence - 1 in SuffixTable and OxygenPartTable.
constexpr int kValenceCount = 8;

// Two parallel columns; the row number is the only link between symbol and stem.
struct ElementTable {
    std::array<std::string, kElementCount> symbol;
    std::array<std::string, kElementCount> stem;
};

using SuffixTable = std::array<std::string, kValenceCount>;
using OxygenPartTable = std::array<std::string, kValenceCount>;

// The analyser's instance (sulphur's stem "siřič") and the dialog's instance
// (sulphur's stem "sir", which the stem list and the composer use).
extern const ElementTable AnalyserElementTable;
extern const SuffixTable AnalyserSuffixTable;
extern const ElementTable DialogElementTable;
extern const SuffixTable DialogSuffixTable;

// Builds the oxygen parts afresh: odd valence v gives "2O" then v (nothing for 1),
// even valence gives "O" then v/2 (nothing for 2).
OxygenPartTable BuildOxygenPartTable();

// First row from 0 upward whose symbol (or stem) equals the text byte for byte;
// kElementCount when no row does.
int FindSymbolRow(const ElementTable& table, const std::string& symbol);
int FindStemRow(const ElementTable& table, const std::string& stem);
// First suffix row equal to the text; kValenceCount when none is.
int FindSuffixRow(const SuffixTable& table, const std::string& suffix);

} // namespace chemistry
