#include "practice/Wording.h"

#include <cstdlib>

namespace practice {
namespace {

struct ElementWords {
    const char* symbol;
    const char* name; // nominative
    // After "atom", only where the symbol reads as a numeral or its l as an I
    // in the dialog's font (Al as AI, Cl as CI).
    const char* genitive;
};

// The elements that explanations and hints name in words: the central atoms of
// the acids and complexes, the anions of binary compounds, and the elements whose symbols a
// formula typed in the wrong case turns into (CO into Co).
constexpr ElementWords kElements[] = {
    {"H", "vodík", nullptr},        {"B", "bor", nullptr},         {"C", "uhlík", nullptr},
    {"N", "dusík", nullptr},        {"O", "kyslík", nullptr},      {"F", "fluor", nullptr},
    {"Si", "křemík", nullptr},      {"P", "fosfor", nullptr},      {"S", "síra", nullptr},
    {"Cl", "chlor", "chloru"},      {"Br", "brom", nullptr},       {"I", "jod", "jodu"},
    {"V", "vanad", "vanadu"},       {"Cr", "chrom", nullptr},      {"Mn", "mangan", nullptr},
    {"As", "arsen", nullptr},       {"Se", "selen", nullptr},      {"Co", "kobalt", nullptr},
    {"Cu", "měď", nullptr},         {"Cs", "cesium", nullptr},     {"Sc", "skandium", nullptr},
    {"Hf", "hafnium", nullptr},     {"Ho", "holmium", nullptr},    {"Hs", "hassium", nullptr},
    {"Nb", "niob", nullptr},        {"No", "nobelium", nullptr},   {"Nh", "nihonium", nullptr},
    {"Np", "neptunium", nullptr},   {"Os", "osmium", nullptr},     {"Pb", "olovo", nullptr},
    {"Po", "polonium", nullptr},    {"Pu", "plutonium", nullptr},  {"Bi", "bismut", nullptr},
    {"Cn", "kopernicium", nullptr}, {"Sb", "antimon", nullptr},    {"Sn", "cín", nullptr},
    {"Al", "hliník", "hliníku"},    {"Tl", "thallium", "thallia"}, {"Fe", "železo", nullptr},
    {"Ni", "nikl", nullptr},        {"Pt", "platina", nullptr},    {"Ag", "stříbro", nullptr},
    {"Au", "zlato", nullptr},       {"Zn", "zinek", nullptr},      {"Hg", "rtuť", nullptr},
    {"Mo", "molybden", nullptr},    {"W", "wolfram", nullptr},     {"K", "draslík", nullptr},
    {"Na", "sodík", nullptr},
};

const ElementWords* Find(const std::string& symbol) {
    for (const ElementWords& element : kElements) {
        if (symbol == element.symbol) {
            return &element;
        }
    }
    return nullptr;
}

} // namespace

std::string Units(int count, const Noun& noun, const std::string& what, bool digits,
                  int wordsUpTo) {
    static const char* const kMasculine[] = {"jeden", "dva",  "tři",  "čtyři",
                                             "pět",   "šest", "sedm", "osm"};
    static const char* const kFeminine[] = {"jedna", "dvě",  "tři",  "čtyři",
                                            "pět",   "šest", "sedm", "osm"};
    const bool inWords = !digits && count >= 1 && count <= wordsUpTo && count <= 8;
    const std::string number =
        inWords ? (noun.feminine ? kFeminine : kMasculine)[count - 1] : std::to_string(count);
    return number + " " + (count == 1 ? noun.one : count <= 4 ? noun.few : noun.many) + " " + what;
}

const char* Verb(int count, const char* singular, const char* plural) {
    return count >= 2 && count <= 4 ? plural : singular;
}

std::string NumeralPrefix(int count) {
    constexpr const char* kPrefixes[kNumeralPrefixes] = {"mono", "di",    "tri",  "tetra", "penta",
                                                         "hexa", "hepta", "okta", "nona",  "deka"};
    return count >= 1 && count <= kNumeralPrefixes ? kPrefixes[count - 1] : "";
}

std::string Roman(int number) {
    static const char* const kRoman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};
    const int size = std::abs(number);
    return size < 1 || size > 8 ? "?" : (number < 0 ? "-" : "") + std::string(kRoman[size - 1]);
}

std::string Signed(int number) {
    return (number > 0 ? "+" : "") + std::to_string(number);
}

std::string Charge(int charge) {
    return std::to_string(std::abs(charge)) + (charge > 0 ? "+" : "-");
}

std::string ElementName(const std::string& symbol) {
    const ElementWords* element = Find(symbol);
    return element != nullptr ? element->name : "";
}

std::string SymbolAfterAtom(const std::string& symbol) {
    const ElementWords* element = Find(symbol);
    return element != nullptr && element->genitive != nullptr ? element->genitive : symbol;
}

std::string SymbolAlone(const std::string& symbol) {
    const ElementWords* element = Find(symbol);
    return element != nullptr && element->genitive != nullptr ? element->name : symbol;
}

} // namespace practice
