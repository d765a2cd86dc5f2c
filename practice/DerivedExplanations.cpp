// Names built on another name: hydrates on their salt's, thio- and peroxo-
// acids and salts on the acid or salt they are named from, trivial names on
// the systematic name of their formula. Each explains the name it builds on
// in that name's own style, then what is added.
#include "practice/ExplanationParts.h"
#include "practice/Explanations.h"
#include "practice/Naming.h"
#include "practice/Text.h"

namespace practice {
namespace {

constexpr Noun kMolecule = {"molekula", "molekuly", "molekul", true, "molekulu"};

// "SO4" for S, 1 atom, 4 oxygens.
std::string AnionFormula(const Ions& ions) {
    const auto counted = [](const std::string& symbol, int count) {
        return count > 1 ? symbol + std::to_string(count) : symbol;
    };
    return counted(ions.central, ions.atoms) + counted("O", ions.oxygens);
}

// The text with its first `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string Asked(const Compound& compound, Ask ask) {
    return Explanation({compound, ask});
}

} // namespace

std::string Hydrate(const Compound& compound, const Ions& ions, Ask ask) {
    const std::string salt = CompoundName(ions.anhydrous, ions);
    const std::string formula = compound.formula.substr(0, compound.formula.find(kHydrateDot));
    const Compound anhydrous{ions.anhydrous, formula, {salt}, compound.level};
    const int waters = ions.waters;
    const std::string water = (waters > 1 ? std::to_string(waters) : "") + "H2O";
    const std::string prefix = NumeralPrefix(waters);
    const std::string molecules = Units(waters, kMolecule, "vody");
    if (ask == Ask::Name) {
        return "Tečka odděluje vodu, kterou krystal váže: na každou jednotku " + formula + " " +
               Verb(waters, "připadá", "připadají") + " " + molecules + " (" + water +
               "). Počet molekul vody udává číslovková předpona: " + std::to_string(waters) +
               " je " + prefix + "-, tedy " + prefix + "hydrát. " + Asked(anhydrous, Ask::Name) +
               " Název soli následuje za slovem hydrát ve 2. pádě (koho, čeho?): " +
               compound.Name() + ".";
    }
    return Capitalised(prefix) + "hydrát: předpona " + prefix + "- znamená " +
           std::to_string(waters) + ", tedy " + molecules + ", " + water + ". Za slovem hydrát " +
           "stojí název soli ve 2. pádě: " + Genitive(salt) + ", tedy " + salt + ". " +
           Asked(anhydrous, Ask::Formula) + " Vodu připíšeme za tečku: " + compound.formula + ".";
}

std::string Prefixed(const Compound& compound, const Ions& ions, Ask ask) {
    const bool thio = ions.prefix == "thio";
    const std::string parent = Replaced(compound.formula, ions.anion.formula, AnionFormula(ions));
    const Compound named{
        compound.kind, parent, {Replaced(compound.Name(), ions.prefix, "")}, compound.level};
    const std::string what =
        thio ? "místo jednoho atomu O je atom S" : "místo jednoho atomu O je skupina O2 (-O-O-)";
    const std::string number =
        thio ? "Síra uprostřed má dál oxidační číslo " + Roman(ions.oxidation) +
                   ", jak ho udává název."
             : "Skupina O2 má dohromady -II jako atom O, který nahradila, takže " +
                   ElementName(ions.central) + " má dál oxidační číslo " + Roman(ions.oxidation) +
                   ".";
    if (ask == Ask::Name) {
        return "Předpona " + ions.prefix + "- znamená, že " + what + ": " + compound.formula +
               " se odvozuje od " + parent + ". " + number + " " + Asked(named, Ask::Name) +
               " S předponou " + ions.prefix + "-: " + compound.Name() + ".";
    }
    return Capitalised(compound.Name()) + " je " + named.Name() + " s předponou " + ions.prefix +
           "-. " + Asked(named, Ask::Formula) + " Předpona " + ions.prefix + "-: " + what +
           ", tedy " + compound.formula + ". " + number;
}

std::string Trivial(const Compound& compound, Ask ask) {
    const Compound* systematic = nullptr;
    for (const Compound& other : ListedCompounds()) {
        if (other.kind != Kind::Trivial && other.formula == compound.formula) {
            systematic = &other;
        }
    }
    const std::string& name = compound.Name();
    const std::string remember = "Triviální název se z pravidel neodvozuje, je třeba si ho "
                                 "zapamatovat.";
    if (ask == Ask::Name) {
        return compound.formula + " je systematicky " + compound.systematic + ". " + remember +
               " Triviální název: " + name + ".";
    }
    const std::string how = systematic != nullptr ? " " + Asked(*systematic, Ask::Formula)
                                                  : " Vzorec: " + compound.formula + ".";
    return remember + " " + Capitalised(name) + " je systematicky " + compound.systematic + "." +
           how;
}

} // namespace practice
