#include "practice/Naming.h"

#include "practice/Text.h"
#include "practice/Wording.h"

#include <algorithm>

namespace practice {
namespace {

struct Ending {
    const char* adjective; // of a cation or an oxide
    const char* acid;      // the feminine, after "kyselina"
    const char* anion;     // the noun of a salt's anion
};

// By oxidation number - 1.
constexpr Ending kEndings[8] = {
    {"ný", "ná", "nan"},          {"natý", "natá", "natan"},    {"itý", "itá", "itan"},
    {"ičitý", "ičitá", "ičitan"}, {"ičný", "ičná", "ičnan"},    {"ový", "ová", "an"},
    {"istý", "istá", "istan"},    {"ičelý", "ičelá", "ičelan"},
};
// The ending of V for the elements that take -ečný.
constexpr Ending kEcny = {"ečný", "ečná", "ečnan"};

struct Stem {
    const char* symbol;
    const char* stem;
    bool ecny; // V is -ečný (fosforečný, chlorečný), not -ičný
};

constexpr Stem kStems[] = {
    {"Li", "lith", false},    {"Na", "sod", false},    {"K", "drasel", false},
    {"Ag", "stříbr", false},  {"Cu", "měď", false},    {"Hg", "rtuť", false},
    {"NH4", "amon", false},   {"Mg", "hořeč", false},  {"Ca", "vápe", false},
    {"Sr", "stront", false},  {"Ba", "bar", false},    {"Zn", "zineč", false},
    {"Cd", "kadem", false},   {"Al", "hlin", false},   {"Fe", "želez", false},
    {"Co", "kobalt", false},  {"Ni", "nikel", false},  {"Mn", "mangan", false},
    {"Cr", "chrom", false},   {"Pb", "olov", false},   {"Sn", "cín", false},
    {"Sb", "antimon", false}, {"Bi", "bismut", false}, {"As", "arsen", false},
    {"Ti", "titan", false},   {"Si", "křem", false},   {"C", "uhl", false},
    {"B", "bor", false},      {"N", "dus", false},     {"P", "fosfor", true},
    {"S", "sir", false},      {"Se", "selen", false},  {"Cl", "chlor", true},
    {"Br", "brom", false},    {"I", "jod", false},     {"Pt", "plat", false},
    {"Au", "zlat", false},
};

struct StemChange {
    const char* symbol;
    int number;
    const char* stem;
};

// Stems that change before the ending of one oxidation number: sírový but
// siřičitý and sirnatý, uhelnatý but uhličitý; stems ending in n lose it
// before -natý (cínatý, manganatý).
constexpr StemChange kStemChanges[] = {
    {"S", 4, "siř"}, {"S", 6, "sír"}, {"C", 2, "uhel"}, {"Sn", 2, "cí"}, {"Mn", 2, "manga"},
};

// Cations named by the element's genitive rather than an adjective.
constexpr StemChange kGenitives[] = {{"H", 1, "vodíku"}};

struct BinaryAnion {
    const char* symbol;
    const char* noun; // of the halide or sulfide
    const char* acid; // after "kyselina"
};

constexpr BinaryAnion kBinaryAnions[] = {
    {"F", "fluorid", "fluorovodíková"}, {"Cl", "chlorid", "chlorovodíková"},
    {"Br", "bromid", "bromovodíková"},  {"I", "jodid", "jodovodíková"},
    {"S", "sulfid", "sulfanová"},       {"CN", "kyanid", "kyanovodíková"},
};

// How many central atoms one anion has, as a prefix: dichroman, disíran.
constexpr const char* kPrefixes[] = {"", "di", "tri", "tetra"};

const BinaryAnion* FindBinary(const std::string& symbol) {
    for (const BinaryAnion& row : kBinaryAnions) {
        if (symbol == row.symbol) {
            return &row;
        }
    }
    return nullptr;
}

// The stem and ending for the element at the oxidation number, or nothing.
bool Parts(const std::string& symbol, int number, std::string& stem, const Ending*& ending) {
    if (number < 1 || number > 8) {
        return false;
    }
    for (const Stem& row : kStems) {
        if (symbol == row.symbol) {
            stem = row.stem;
            ending = number == 5 && row.ecny ? &kEcny : &kEndings[number - 1];
            for (const StemChange& change : kStemChanges) {
                if (symbol == change.symbol && number == change.number) {
                    stem = change.stem;
                }
            }
            return true;
        }
    }
    return false;
}

// "thio" + "síran": the word of an anion named from another.
std::string Prefixed(const Ions& ions, const std::string& word) {
    return word.empty() ? "" : ions.prefix + word;
}

// Joins the words of a name; empty when one is missing.
std::string Words(const std::string& first, const std::string& second) {
    return first.empty() || second.empty() ? "" : first + " " + second;
}

// The ligands' names in the Czech alphabet, where ch follows h: hydroxo,
// chloro, jodo.
std::string CollationKey(const std::string& name) {
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "ch") == 0) {
            key += "h\x7f";
            ++i;
        } else {
            key += name[i];
        }
    }
    return key;
}

// The multipliers of ligands whose names would run into a plain numeral.
constexpr const char* kEnclosingPrefixes[] = {"bis", "tris", "tetrakis"};

// The noun of the anion after a cationic complex: "síran", "chlorid", "hydroxid".
std::string CounterAnionNoun(const Ions& ions) {
    if (ions.anion.formula == "OH") {
        return "hydroxid";
    }
    const BinaryAnion* binary = ions.oxygens == 0 ? FindBinary(ions.central) : nullptr;
    return binary != nullptr ? binary->noun : AnionNoun(ions.central, ions.atoms, ions.oxidation);
}

} // namespace

std::vector<Ligand> OrderedLigands(const ComplexIon& complex, LigandOrder order) {
    std::vector<Ligand> ligands = complex.ligands;
    std::stable_sort(ligands.begin(), ligands.end(), [order](const Ligand& a, const Ligand& b) {
        if (order == LigandOrder::AnionicFirst) {
            return a.charge < 0 && b.charge == 0;
        }
        return CollationKey(a.name) < CollationKey(b.name);
    });
    return ligands;
}

std::string CountedLigand(const Ligand& ligand) {
    if (ligand.count == 1) {
        return ligand.name;
    }
    if (ligand.enclosed) {
        return ligand.count <= 4 ? kEnclosingPrefixes[ligand.count - 2] + ("(" + ligand.name + ")")
                                 : "";
    }
    const std::string prefix = NumeralPrefix(ligand.count);
    return prefix.empty() ? "" : prefix + ligand.name;
}

std::string ComplexWord(const ComplexIon& complex, const ComplexWording& wording) {
    std::string ligands;
    for (const Ligand& ligand : OrderedLigands(complex, wording.order)) {
        const bool unnumbered =
            wording.unnumbered == kEveryLigand ||
            (wording.unnumbered >= 0 &&
             static_cast<std::size_t>(wording.unnumbered) < complex.ligands.size() &&
             complex.ligands[wording.unnumbered].formula == ligand.formula);
        std::string counted = unnumbered ? ligand.name : CountedLigand(ligand);
        if (counted.empty()) {
            return "";
        }
        if (wording.amin && ligand.name == "ammin") {
            counted.replace(counted.size() - 5, 5, "amin");
        }
        ligands += counted;
    }
    std::string central;
    if (complex.charge < 0 && !wording.adjective) {
        central = AnionNoun(complex.central, 1, complex.oxidation);
    } else if (complex.charge != 0) {
        central = CationAdjective(complex.central, complex.oxidation);
    } else {
        central = ElementName(complex.central);
    }
    return central.empty() ? "" : ligands + central;
}

std::string ComplexName(const Ions& ions, const ComplexWording& wording) {
    if (!ions.complex) {
        return "";
    }
    const std::string word = ComplexWord(*ions.complex, wording);
    if (ions.complex->charge < 0) {
        return Words(word, CationAdjective(ions.cation.formula, ions.cation.charge));
    }
    return ions.complex->charge > 0 ? Words(CounterAnionNoun(ions), word) : word;
}

std::string CationAdjective(const std::string& cation, int number) {
    for (const StemChange& genitive : kGenitives) {
        if (cation == genitive.symbol && number == genitive.number) {
            return genitive.stem;
        }
    }
    std::string stem;
    const Ending* ending = nullptr;
    return Parts(cation, number, stem, ending) ? stem + ending->adjective : "";
}

std::string AcidAdjective(const std::string& central, int atoms, int number) {
    std::string stem;
    const Ending* ending = nullptr;
    return atoms >= 1 && atoms <= 4 && Parts(central, number, stem, ending)
               ? kPrefixes[atoms - 1] + stem + ending->acid
               : "";
}

std::string AnionNoun(const std::string& central, int atoms, int number) {
    std::string stem;
    const Ending* ending = nullptr;
    return atoms >= 1 && atoms <= 4 && Parts(central, number, stem, ending)
               ? kPrefixes[atoms - 1] + stem + ending->anion
               : "";
}

std::vector<std::string> EndingsOf(int number, Form form) {
    std::vector<std::string> endings;
    if (number < 1 || number > 8) {
        return endings;
    }
    for (const Ending* ending : {&kEndings[number - 1], number == 5 ? &kEcny : nullptr}) {
        if (ending != nullptr) {
            endings.push_back(form == Form::Adjective ? ending->adjective
                              : form == Form::Acid    ? ending->acid
                                                      : ending->anion);
        }
    }
    return endings;
}

std::string Genitive(const std::string& name) {
    std::string genitive;
    for (const std::string& word : practice::Words(name)) {
        const std::string adjective = "ý";
        genitive +=
            (genitive.empty() ? "" : " ") +
            (EndsWith(word, adjective) ? word.substr(0, word.size() - adjective.size()) + "ého"
                                       : word + "u");
    }
    return genitive;
}

std::string CompoundName(Kind kind, const Ions& ions) {
    if (kind == Kind::Hydrate) {
        const std::string salt = CompoundName(ions.anhydrous, ions);
        const std::string prefix = NumeralPrefix(ions.waters);
        return salt.empty() || prefix.empty() ? "" : prefix + "hydrát " + Genitive(salt);
    }
    const std::string cation = CationAdjective(ions.cation.formula, ions.cation.charge);
    const BinaryAnion* binary = FindBinary(ions.central);
    switch (kind) {
    case Kind::Oxide:
        return Words("oxid", cation);
    case Kind::Hydroxide:
        return Words("hydroxid", cation);
    case Kind::Peroxide:
        return Words("peroxid", cation);
    case Kind::Halide:
    case Kind::Sulfide:
        return binary != nullptr ? Words(binary->noun, cation) : "";
    case Kind::BinaryAcid:
        return binary != nullptr ? Words("kyselina", binary->acid) : "";
    case Kind::Oxoacid:
        return Words("kyselina",
                     Prefixed(ions, AcidAdjective(ions.central, ions.atoms, ions.oxidation)));
    case Kind::Salt:
        return Words(Prefixed(ions, AnionNoun(ions.central, ions.atoms, ions.oxidation)), cation);
    case Kind::HydrogenSalt: {
        const std::string noun = ions.oxygens == 0 && ions.central == "S"
                                     ? "sulfid"
                                     : AnionNoun(ions.central, ions.atoms, ions.oxidation);
        const std::string prefix = ions.hydrogens == 1 ? "hydrogen" : "dihydrogen";
        return noun.empty() || ions.hydrogens > 2 ? "" : Words(prefix + noun, cation);
    }
    case Kind::Complex:
        return ComplexName(ions);
    case Kind::Hydrate:
    case Kind::Trivial:
        break;
    }
    return "";
}

} // namespace practice
