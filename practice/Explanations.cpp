#include "practice/Explanations.h"

#include "practice/FormulaReader.h"
#include "practice/Naming.h"
#include "practice/OxidationNumbers.h"
#include "practice/Selection.h"
#include "practice/Wording.h"

#include <cstdlib>

namespace practice {
namespace {

// The verb after Units: "dávají" for 2 to 4, "dává" otherwise.
const char* Give(int count) {
    return count >= 2 && count <= 4 ? " dávají" : " dává";
}

std::string Signed(int number) {
    return (number > 0 ? "+" : "") + std::to_string(number);
}

// A charge as chemists write it after the number: "2-", "1+".
std::string Charge(int charge) {
    return std::to_string(std::abs(charge)) + (charge > 0 ? "+" : "-");
}

// The element that an acid's name is made of, in the nominative: "síra".
std::string ElementCalled(const std::string& symbol) {
    struct Name {
        const char* symbol;
        const char* name;
    };
    static const Name kNames[] = {
        {"S", "síra"},  {"N", "dusík"},  {"C", "uhlík"},   {"P", "fosfor"}, {"Cl", "chlor"},
        {"Br", "brom"}, {"I", "jod"},    {"Mn", "mangan"}, {"Cr", "chrom"}, {"Si", "křemík"},
        {"B", "bor"},   {"Se", "selen"}, {"As", "arsen"},
    };
    for (const Name& name : kNames) {
        if (symbol == name.symbol) {
            return name.name;
        }
    }
    return "atom " + symbol;
}

// Elements that stand first in a halide or sulfide without being a cation:
// they have an oxidation number, not a charge.
bool IsNonmetal(const std::string& symbol) {
    for (const char* nonmetal : {"H", "B", "C", "Si", "N", "P", "As", "S", "Se"}) {
        if (symbol == nonmetal) {
            return true;
        }
    }
    return false;
}

std::string FirstWord(const std::string& name) {
    return name.substr(0, name.find(' '));
}

std::string Rest(const std::string& name) {
    const std::size_t blank = name.find(' ');
    return blank == std::string::npos ? "" : name.substr(blank + 1);
}

// "kyseliny sírové H2SO4": the acid an oxoanion comes from.
std::string AcidOf(const Ions& ions) {
    std::string adjective = AcidAdjective(ions.central, ions.atoms, ions.oxidation);
    const std::string feminine = "á";
    if (adjective.size() > feminine.size()) { // sírová: kyseliny sírové
        adjective = adjective.substr(0, adjective.size() - feminine.size()) + "é";
    }
    const int hydrogens = -ions.anion.charge;
    return "kyseliny " + adjective + " H" + (hydrogens > 1 ? std::to_string(hydrogens) : "") +
           ions.anion.formula;
}

const AnionCharges& ListedAnionCharges() {
    static const AnionCharges charges = AnionChargesOf(ListedCompounds());
    return charges;
}

// Formula to name, cation and anion ----------------------------------------

std::string AnionIntro(Category category, const Ions& ions, const std::string& name) {
    switch (category) {
    case Category::Hydroxide:
        return "Součet nábojů je nula. Skupina OH má náboj 1-";
    case Category::Peroxide:
        return "Součet oxidačních čísel je nula. Kyslík má v peroxidu oxidační číslo -I";
    case Category::Salt:
        return "Součet nábojů je nula. " + ions.anion.formula + " je " + FirstWord(name) +
               ", anion " + AcidOf(ions) + " s nábojem " + Charge(ions.anion.charge);
    default: {                                    // halides and sulfides
        const std::string noun = FirstWord(name); // ve fluoridu, v chloridu
        const bool ve = !noun.empty() && (noun[0] == 'f' || noun[0] == 'v');
        return "Součet oxidačních čísel je nula. " + ions.central + (ve ? " má ve " : " má v ") +
               noun + "u oxidační číslo " + Roman(ions.oxidation);
    }
    }
}

std::string AnionUnits(Category category, const Ion& anion) {
    switch (category) {
    case Category::Hydroxide:
        return Units(anion.count, kGroup, "OH");
    case Category::Peroxide:
        return Units(2 * anion.count, kAtom, "O");
    case Category::Salt:
        return Units(anion.count, kAnion, anion.formula);
    default:
        return Units(anion.count, kAtom, anion.formula);
    }
}

std::string CationShare(const Ion& cation) {
    const Noun& noun = cation.formula == "NH4" ? kCation : kAtom;
    const std::string units = cation.count == 1 ? noun.one + (" " + cation.formula)
                                                : Units(cation.count, noun, cation.formula);
    return units + " tedy +" + std::to_string(cation.count * cation.charge) +
           (cation.count > 1 ? ", každý z nich +" + std::to_string(cation.charge) : "");
}

std::string CationNamed(const Ion& cation, const std::string& name) {
    if (cation.formula == "NH4") {
        return "; kation NH4 s nábojem 1+ se nazývá amonný: " + name;
    }
    if (cation.formula == "H") {
        return "; vodík se v názvu píše ve 2. pádě: " + name;
    }
    return ", to je oxidační číslo " + Roman(cation.charge) + "; tomu odpovídá koncovka -" +
           EndingFor(cation.formula, cation.charge, Form::Adjective) + ": " + name;
}

std::string NameOfIons(Category category, const Ions& ions, const std::string& name) {
    const Ion& anion = ions.anion;
    const int count = category == Category::Peroxide ? 2 * anion.count : anion.count;
    return AnionIntro(category, ions, name) + ": " + AnionUnits(category, anion) + Give(count) +
           (count > 1 ? " dohromady " : " ") + Signed(anion.count * anion.charge) + ", " +
           CationShare(ions.cation) + CationNamed(ions.cation, name) + ".";
}

// Name to formula, cation and anion ----------------------------------------

std::string AnionPart(Category category, const Ions& ions, const std::string& name) {
    const std::string noun = FirstWord(name);
    switch (category) {
    case Category::Hydroxide:
        return "hydroxid: skupina OH s nábojem 1-";
    case Category::Peroxide:
        return "peroxid: skupina O2 s nábojem 2-";
    case Category::Salt:
        return noun + ": anion " + AcidOf(ions).substr(0, AcidOf(ions).rfind(' ')) + " " +
               ions.anion.formula + " s nábojem " + Charge(ions.anion.charge);
    default:
        return noun + ": anion " + ions.central + " s nábojem " + Charge(ions.oxidation);
    }
}

std::string CationPart(const Ion& cation, const std::string& adjective) {
    if (cation.formula == "NH4") {
        return adjective + ": kation NH4 s nábojem 1+";
    }
    if (cation.formula == "H") {
        return adjective + ": H s oxidačním číslem I";
    }
    const std::string ending = EndingFor(cation.formula, cation.charge, Form::Adjective);
    return adjective + ": koncovka -" + ending + ", " + cation.formula +
           (IsNonmetal(cation.formula) ? " s oxidačním číslem " + Roman(cation.charge)
                                       : " s nábojem " + Charge(cation.charge));
}

std::string FormulaOfIons(Category category, const Ions& ions, const std::string& formula,
                          const std::string& name) {
    const bool nonmetal = IsNonmetal(ions.cation.formula);
    const bool parenthesised = formula.find('(') != std::string::npos;
    return AnionPart(category, ions, name) + "; " + CationPart(ions.cation, Rest(name)) + "; " +
           (nonmetal ? "oxidační čísla" : "náboje") + " se vyrovnají v poměru " +
           std::to_string(ions.cation.count) + ":" + std::to_string(ions.anion.count) + ", tedy " +
           formula + "." + (parenthesised ? " Skupina, která se opakuje, se píše do závorky." : "");
}

// Acids ---------------------------------------------------------------------

std::string BinaryAcid(const Ions& ions, const std::string& formula, const std::string& name,
                       Ask ask) {
    const int hydrogens = ions.cation.count;
    const std::string ending = "ová"; // kyselina chlorovodíková: roztok chlorovodíku
    std::string gas = Rest(name);
    gas = gas.size() > ending.size() ? gas.substr(0, gas.size() - ending.size()) + "u" : gas;
    if (ask == Ask::Name) {
        return "Vodík má oxidační číslo +I: " + Units(hydrogens, kAtom, "H") + Give(hydrogens) +
               " " + Signed(hydrogens) + ", atom " + ions.central + " tedy " + Signed(-hydrogens) +
               "; kyselina je roztok " + gas + " ve vodě: " + name + ".";
    }
    return name + " je roztok " + gas + " ve vodě: H má oxidační číslo +I, " + ions.central + " " +
           Roman(ions.oxidation) + ", na jeden atom " + ions.central + " tedy " +
           Units(hydrogens, kAtom, "H") + ": " + formula + ".";
}

std::string Oxoacid(const Ions& ions, const std::string& formula, const std::string& name,
                    Ask ask) {
    const int hydrogens = ions.cation.count;
    const int number = ions.oxidation;
    const std::string ending = EndingFor(ions.central, number, Form::Acid);
    const std::string central = ions.atoms == 1 ? ElementCalled(ions.central)
                                                : Units(ions.atoms, kAtom, ions.central, true);
    static const char* const kPrefixes[] = {"", "di", "tri", "tetra"};
    const std::string prefix =
        ions.atoms >= 2 && ions.atoms <= 4
            ? std::string("předpona ") + kPrefixes[ions.atoms - 1] + "- pro " + central
            : "";
    const std::string each = ions.atoms > 1 ? ", každý z nich " + Signed(number) : "";
    const std::string hydrogen = Units(hydrogens, kAtom, "H", true);
    const std::string oxygen = Units(ions.oxygens, kAtom, "O", true);
    if (ask == Ask::Name) {
        return "Součet oxidačních čísel je nula; H má +I, O -II: " + hydrogen + Give(hydrogens) +
               " " + Signed(hydrogens) + ", " + oxygen + " " + Signed(-2 * ions.oxygens) + ", " +
               central + " tedy " + Signed(ions.atoms * number) + each + " (oxidační číslo " +
               Roman(number) + "): koncovka -" + ending + (prefix.empty() ? "" : " a " + prefix) +
               ", " + name + ".";
    }
    const std::string start = "Koncovka -" + ending + " znamená oxidační číslo " + Roman(number) +
                              ": " + ElementCalled(ions.central) + " " + Signed(number) + ". ";
    const bool odd = number % 2 == 1;
    if (ions.atoms == 1 && hydrogens == (odd ? 1 : 2) && 2 * ions.oxygens == hydrogens + number) {
        return start + (odd ? "Liché číslo, proto 1 atom H" : "Sudé číslo, proto 2 atomy H") +
               "; atomů O je tolik, aby byl součet nula: (" + std::to_string(hydrogens) + " + " +
               std::to_string(number) + ") : 2 = " + std::to_string(ions.oxygens) + ", tedy " +
               formula + ".";
    }
    const std::string means =
        prefix.empty()
            ? ""
            : std::string("Předpona ") + kPrefixes[ions.atoms - 1] + "- znamená " + central + ". ";
    return start + means + "Tato kyselina má " + hydrogen + ": " + hydrogen + " (" +
           Signed(hydrogens) + "), " + central + " (" + Signed(ions.atoms * number) + ") a " +
           oxygen + " (" + Signed(-2 * ions.oxygens) + ") dávají dohromady 0, tedy " + formula +
           ".";
}

} // namespace

std::string CompoundExplanation(const std::string& formula, const std::string& name,
                                Category category, Ask ask) {
    const FormulaReading read = ReadFormula(formula);
    const IonsReading found =
        read.formula ? FindIons(*read.formula, category, ListedAnionCharges()) : IonsReading{};
    if (!found.ions) {
        return "";
    }
    const Ions& ions = *found.ions;
    switch (category) {
    case Category::BinaryAcid:
        return BinaryAcid(ions, formula, name, ask);
    case Category::Oxoacid:
        return Oxoacid(ions, formula, name, ask);
    default:
        return ask == Ask::Name ? NameOfIons(category, ions, name)
                                : FormulaOfIons(category, ions, formula, name);
    }
}

} // namespace practice
