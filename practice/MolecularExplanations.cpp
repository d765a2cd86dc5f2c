// Oxides, halides, sulfides and hydrogen peroxide: oxidation numbers and their
// zero sum, as for molecules (a pupil meets these compounds before ions).
#include "practice/ExplanationParts.h"
#include "practice/Text.h"

namespace practice {
namespace {

// "chlorid": "v chloridu"; "fluorid": "ve fluoridu".
std::string In(const std::string& noun) {
    const bool ve = !noun.empty() && (noun[0] == 'f' || noun[0] == 'v');
    return (ve ? "ve " : "v ") + noun + "u";
}

// The anion's element, how many atoms of it and what each brings.
Side AnionAtoms(Kind kind, const Ions& ions) {
    if (kind == Kind::Peroxide) {
        return {"O", 2 * ions.anion.count, -1, &kAtom};
    }
    return {SymbolAfterAtom(ions.central), ions.anion.count, ions.anion.charge, &kAtom};
}

std::string FromFormula(Kind kind, const Ions& ions, const std::string& name) {
    const Side anion = AnionAtoms(kind, ions);
    const Ion& cation = ions.cation;
    const std::string noun = WordOf(name, 0);
    const std::string subject = kind == Kind::Oxide ? "Kyslík má oxidační číslo -II"
                                : kind == Kind::Peroxide
                                    ? "Kyslík má v peroxidu oxidační číslo -I"
                                    : Capitalised(ElementName(ions.central)) + " má " + In(noun) +
                                          " oxidační číslo " + Roman(ions.anion.charge);
    const int total = cation.count * cation.charge;
    const std::string atoms = SymbolAfterAtom(cation.formula);
    const std::string share = cation.count == 1
                                  ? "atom " + atoms + " tedy " + Signed(total) +
                                        ", to je oxidační číslo " + Roman(cation.charge)
                                  : Units(cation.count, kAtom, atoms) + " tedy " + Signed(total) +
                                        ", každý z nich má oxidační číslo " + Roman(cation.charge);
    const std::string ending =
        cation.formula == "H"
            ? "; vodík se v názvu píše ve 2. pádě: "
            : "; tomu odpovídá koncovka -" + AdjectiveEnding(name, cation.charge) + ": ";
    return std::string("Součet oxidačních čísel") + (kind == Kind::Oxide ? " v oxidu" : "") +
           " je nula. " + subject + ": " + Units(anion.count, kAtom, anion.label) + " " +
           Verb(anion.count) + (anion.count > 1 ? " dohromady " : " ") +
           Signed(anion.count * anion.value) + ", " + share + ending + name + ".";
}

std::string FromName(Kind kind, const Ions& ions, const std::string& formula,
                     const std::string& name) {
    const Ion& cation = ions.cation;
    const std::string adjective = WordOf(name, 1);
    if (kind == Kind::Peroxide) { // H2O2: the group O2 stays whole
        return "Peroxid: skupina O2, každý atom O má oxidační číslo -I (dohromady -2). " +
               Capitalised(adjective) + ": H s oxidačním číslem I. Na skupinu O2 připadají " +
               Units(cation.count, kAtom, "H", true) + ": " + formula + " (skupina O2 se nekrátí).";
    }
    const std::string anion = Capitalised(WordOf(name, 0)) + ": " + SymbolAlone(ions.central) +
                              " s oxidačním číslem " + Roman(ions.anion.charge) + ".";
    const std::string named =
        Capitalised(adjective) + ": koncovka -" + AdjectiveEnding(name, cation.charge) + ", " +
        SymbolAlone(cation.formula) + " s oxidačním číslem " + Roman(cation.charge) + ".";
    const Side left{SymbolAfterAtom(cation.formula), cation.count, cation.charge, &kAtom};
    const Side right{SymbolAfterAtom(ions.central), ions.anion.count, ions.anion.charge, &kAtom};
    return anion + " " + named + " " + Balance(left, right, false, formula);
}

} // namespace

std::string Molecular(Kind kind, const Ions& ions, const std::string& formula,
                      const std::string& name, Ask ask) {
    return ask == Ask::Name ? FromFormula(kind, ions, name) : FromName(kind, ions, formula, name);
}

} // namespace practice
