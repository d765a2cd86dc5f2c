// Czech names from oxidation numbers: an ending for each number, a stem for
// each element, and the stems that change before some endings, all as
// tables. Texts are code page 1250; an empty text where a table has no row.
#pragma once

#include "practice/Kind.h"
#include "practice/OxidationNumbers.h"

#include <string>
#include <vector>

namespace practice {

// A cation's adjective: "železitý" (Fe, 3), "amonný" (NH4, 1); "vodíku" for H.
std::string CationAdjective(const std::string& cation, int number);
// An oxoacid's adjective: "sírová" (S, 1, 6), "dichromová" (Cr, 2, 6).
std::string AcidAdjective(const std::string& central, int atoms, int number);
// An oxoanion's noun: "síran" (S, 1, 6), "chlorečnan" (Cl, 1, 5).
std::string AnionNoun(const std::string& central, int atoms, int number);

// The forms a word of a name takes: the adjective of a cation or an oxide,
// the feminine after "kyselina", the noun of a salt's anion.
enum class Form { Adjective, Acid, Anion };

// The endings an oxidation number can take in a form, whatever the element:
// "itý" for III; "ičný" and "ečný" for V. None beyond I to VIII.
std::vector<std::string> EndingsOf(int number, Form form);

// A name in the genitive, after "hydrát": the noun takes -u, the adjective
// -ého ("síran měďnatý": "síranu měďnatého").
std::string Genitive(const std::string& name);

// The order of a complex's ligands in its name: alphabetical by their names,
// numerals aside, as the current rules have it (ammin before chloro), or
// anionic before neutral, as the older rules and textbooks have it (chloro
// before ammin). Both are in use; the current order is the one shown.
enum class LigandOrder { Alphabetical, AnionicFirst };

// How a complex's word is made; all but the order make a slip the hints know.
constexpr int kEveryLigand = -2; // ComplexWording::unnumbered: none has its numeral
struct ComplexWording {
    LigandOrder order = LigandOrder::Alphabetical;
    int unnumbered = -1;    // the ligand (of the formula's order) without its numeral
    bool amin = false;      // NH3 as "amin"
    bool adjective = false; // an anionic complex with a cation's ending: hexakyanoželeznatý
};

std::vector<Ligand> OrderedLigands(const ComplexIon& complex, LigandOrder order);
// A ligand with the numeral of its count: "hexakyano", "ammin", "bis(thiosulfato)".
std::string CountedLigand(const Ligand& ligand);
// The complex's word: "hexakyanoželeznatan", "tetraamminměďnatý",
// "tetrakarbonylnikl"; empty where the tables lack a word.
std::string ComplexWord(const ComplexIon& complex, const ComplexWording& wording = {});
// "hexakyanoželeznatan draselný", "síran tetraamminměďnatý", "tetrakarbonylnikl".
std::string ComplexName(const Ions& ions, const ComplexWording& wording = {});

// The compound's name: "oxid železitý", "kyselina sírová", "síran amonný",
// "thiosíran sodný", "pentahydrát síranu měďnatého"; empty where the tables
// lack a word. Trivial names have no rule: empty.
std::string CompoundName(Kind kind, const Ions& ions);

} // namespace practice
