// Hydroxides, salts, metal peroxides and ammonium's halides and sulfides:
// ions whose charges sum to zero.
#include "practice/ExplanationParts.h"
#include "practice/Naming.h"
#include "practice/Text.h"

namespace practice {
namespace {

bool Ammonium(const Ion& cation) {
    return cation.formula == "NH4";
}

// The anion as a unit: a group OH or O2, else an anion.
Side AnionSide(Kind kind, const Ion& anion) {
    const bool group = kind == Kind::Hydroxide || kind == Kind::Peroxide;
    return {SymbolAfterAtom(anion.formula), anion.count, anion.charge, group ? &kGroup : &kAnion};
}

// "kyseliny sírové H2SO4": the acid the anion comes from.
std::string AcidOf(const Ions& ions) {
    std::string adjective = AcidAdjective(ions.central, ions.atoms, ions.oxidation);
    const std::string feminine = "á";
    if (EndsWith(adjective, feminine)) { // sírová: kyseliny sírové
        adjective = adjective.substr(0, adjective.size() - feminine.size()) + "é";
    }
    const int hydrogens = -ions.anion.charge;
    return "kyseliny " + adjective + " H" + (hydrogens > 1 ? std::to_string(hydrogens) : "") +
           ions.anion.formula;
}

// "kyselina má 2 atomy H": where the anion's charge comes from.
std::string AcidHydrogens(const Ions& ions) {
    return "kyselina má " + Units(-ions.anion.charge, kAtom, "H", true);
}

// "kyselina uhličitá H2CO3 odevzdá jen jeden ze svých dvou atomů H": where a
// hydrogen salt's anion and its charge come from.
std::string GivenUp(const Ions& ions) {
    static const char* const kCounts[] = {"jeden", "dva", "tři"};
    static const char* const kOf[] = {"", "dvou", "tří", "čtyř"};
    const int acidHydrogens = ions.hydrogens - ions.anion.charge;
    const int given = acidHydrogens - ions.hydrogens;
    const bool sulfide = ions.oxygens == 0;
    const std::string rest =
        ions.anion.formula.substr(ions.anion.formula.find_first_not_of("H0123456789"));
    const std::string acid = sulfide ? "kyselina sulfanová H2S"
                                     : "kyselina " +
                                           AcidAdjective(ions.central, ions.atoms, ions.oxidation) +
                                           " H" + std::to_string(acidHydrogens) + rest;
    return acid + " odevzdá " + (given == 1 ? "jen " : "") + kCounts[given - 1] + " ze svých " +
           kOf[acidHydrogens - 1] + " atomů H";
}

// What the anion is and its charge, as a sentence without its full stop.
std::string AnionIs(Kind kind, const Ions& ions, const std::string& noun) {
    const Ion& anion = ions.anion;
    switch (kind) {
    case Kind::Hydroxide:
        return "Skupina OH má náboj 1-";
    case Kind::Peroxide:
        return "Skupina O2 má v peroxidu náboj 2- (každý atom O má oxidační číslo -I)";
    case Kind::HydrogenSalt:
        return anion.formula + " je " + noun + ": " + GivenUp(ions) + ", anion má tedy náboj " +
               Charge(anion.charge);
    case Kind::Salt:
        return anion.formula + " je " + noun + ", anion " + AcidOf(ions) + ": " +
               AcidHydrogens(ions) + ", anion má tedy náboj " + Charge(anion.charge);
    default:
        return "Anion " + SymbolAfterAtom(anion.formula) + " má " +
               (noun[0] == 'f' ? "ve " : "v ") + noun + "u náboj " + Charge(anion.charge);
    }
}

// The same for the name's first word: "Síran: anion kyseliny ... náboj 2-."
std::string AnionPart(Kind kind, const Ions& ions, const std::string& noun) {
    const Ion& anion = ions.anion;
    switch (kind) {
    case Kind::Hydroxide:
        return "Hydroxid: skupina OH s nábojem 1-.";
    case Kind::Peroxide:
        return "Peroxid: skupina O2 s nábojem 2- (každý atom O má oxidační číslo -I).";
    case Kind::HydrogenSalt:
        return Capitalised(noun) + ": " + GivenUp(ions) + ", anion " + anion.formula +
               " má tedy náboj " + Charge(anion.charge) + ".";
    case Kind::Salt:
        return Capitalised(noun) + ": anion " + AcidOf(ions) + "; " + AcidHydrogens(ions) +
               ", anion " + anion.formula + " má tedy náboj " + Charge(anion.charge) + ".";
    default:
        return Capitalised(noun) + ": anion " + SymbolAfterAtom(anion.formula) + " s nábojem " +
               Charge(anion.charge) + ".";
    }
}

std::string FromFormula(Kind kind, const Ions& ions, const std::string& name) {
    const Side anion = AnionSide(kind, ions.anion);
    const Ion& cation = ions.cation;
    const int total = cation.count * cation.charge;
    const std::string share = cation.count == 1
                                  ? "kation " + SymbolAfterAtom(cation.formula) +
                                        " má tedy náboj " + Charge(cation.charge)
                                  : Units(cation.count, kCation, SymbolAfterAtom(cation.formula)) +
                                        " tedy " + Signed(total) + ", každý z nich má náboj " +
                                        Charge(cation.charge);
    const std::string ending = Ammonium(cation) ? "; kation NH4 se nazývá amonný: "
                                                : " (oxidační číslo " + Roman(cation.charge) +
                                                      "); tomu odpovídá koncovka -" +
                                                      AdjectiveEnding(name, cation.charge) + ": ";
    return "Součet nábojů je nula. " + AnionIs(kind, ions, WordOf(name, 0)) + ". " +
           Capitalised(Units(anion.count, *anion.noun, anion.label)) + " " + Verb(anion.count) +
           (anion.count > 1 ? " dohromady " : " ") + Signed(anion.count * anion.value) + ", " +
           share + ending + name + ".";
}

std::string FromName(Kind kind, const Ions& ions, const std::string& formula,
                     const std::string& name) {
    const Ion& cation = ions.cation;
    const std::string adjective = Capitalised(WordOf(name, 1));
    const std::string named =
        Ammonium(cation)
            ? adjective + ": kation NH4 s nábojem 1+."
            : adjective + ": koncovka -" + AdjectiveEnding(name, cation.charge) + ", kation " +
                  SymbolAfterAtom(cation.formula) + " s nábojem " + Charge(cation.charge) + ".";
    const Side left{SymbolAfterAtom(cation.formula), cation.count, cation.charge, &kCation};
    std::string text = AnionPart(kind, ions, WordOf(name, 0)) + " " + named + " " +
                       Balance(left, AnionSide(kind, ions.anion), true, formula);
    if (formula.find('(') != std::string::npos) {
        text += " Skupina, která se opakuje, se píše do závorky.";
    }
    if (kind == Kind::Peroxide) {
        text += " Skupina O2 se nekrátí.";
    }
    return text;
}

} // namespace

std::string Ionic(Kind kind, const Ions& ions, const std::string& formula, const std::string& name,
                  Ask ask) {
    return ask == Ask::Name ? FromFormula(kind, ions, name) : FromName(kind, ions, formula, name);
}

} // namespace practice
