// Binary acids and oxoacids: molecules whose hydrogen has the oxidation
// number I; the oxoacids' formulas from their names by the school rule.
#include "practice/ExplanationParts.h"
#include "practice/NamedElements.h"
#include "practice/Text.h"

namespace practice {
namespace {

std::string BinaryAcid(const Ions& ions, const std::string& formula, const std::string& name,
                       Ask ask) {
    const std::string gas = GasOf(name);
    const int hydrogens = ions.cation.count;
    // The cyanide group counts as one whole, as a halogen's atom does.
    const bool group = ions.central == "CN";
    const std::string anion =
        group ? "skupina CN se počítá jako celek s -1 (jako chlor v chlorovodíku)"
              : ElementName(ions.central) + " v " + gas + "u " + Roman(ions.oxidation);
    if (ask == Ask::Name) {
        return "Vodík má oxidační číslo I, " + anion + ": " + Units(hydrogens, kAtom, "H") + " " +
               Verb(hydrogens) + " " + Signed(hydrogens) + ", " +
               (group ? "jedna skupina CN " : "jeden atom " + SymbolAfterAtom(ions.central) + " ") +
               Signed(ions.oxidation) + ", součet je nula. Plyn " + formula + " se nazývá " + gas +
               ", jeho roztok ve vodě je " + name + ".";
    }
    return Capitalised(name) + " je roztok " + gas + "u ve vodě. Vodík má oxidační číslo I, " +
           (group ? "skupina CN se počítá jako celek s -1 (jako chlor)"
                  : ElementName(ions.central) + " " + Roman(ions.oxidation)) +
           ": na " +
           (group ? "jednu skupinu CN " : "jeden atom " + SymbolAfterAtom(ions.central) + " ") +
           Verb(hydrogens, "připadá", "připadají") + " " + Units(hydrogens, kAtom, "H") +
           ", tedy " + formula + ".";
}

// " (proto také trihydrogenfosforečná)": a listed name that counts the hydrogens.
std::string CountedHydrogens(const Compound& compound) {
    for (const std::string& name : compound.names) {
        const std::string word = WordOf(name, 1);
        if (word.find("hydrogen") != std::string::npos) {
            return " (proto také " + word + ")";
        }
    }
    return "";
}

std::string Oxoacid(const Compound& compound, const Ions& ions, Ask ask) {
    const std::string& name = compound.Name();
    const std::string& formula = compound.formula;
    const int hydrogens = ions.cation.count;
    const int number = ions.oxidation;
    const std::string ending = EndingIn(WordOf(name, 1), number, Form::Acid);
    static const char* const kPrefixes[] = {"", "di", "tri", "tetra"};
    const bool prefixed = ions.atoms >= 2 && ions.atoms <= 4;
    const std::string centrals = Units(ions.atoms, kAtom, SymbolAfterAtom(ions.central));
    const std::string prefix = prefixed ? std::string(kPrefixes[ions.atoms - 1]) + "-" : "";
    if (ask == Ask::Name) {
        const std::string share =
            ions.atoms == 1 ? "atom " + SymbolAfterAtom(ions.central) + " tedy " + Signed(number) +
                                  ", to je oxidační číslo " + Roman(number)
                            : centrals + " tedy " + Signed(ions.atoms * number) +
                                  ", každý z nich má oxidační číslo " + Roman(number);
        return "Součet oxidačních čísel je nula. Vodík má oxidační číslo I, kyslík -II: " +
               Units(hydrogens, kAtom, "H") + " " + Verb(hydrogens) + " " + Signed(hydrogens) +
               ", " + Units(ions.oxygens, kAtom, "O") + " " + Signed(-2 * ions.oxygens) + ", " +
               share + "; tomu odpovídá koncovka -" + ending +
               (prefixed ? " a předpona " + prefix + " pro " + centrals : "") + ": " + name + ".";
    }
    const bool odd = number % 2 == 1;
    std::string hydrogen;
    if (ions.atoms == 1 && hydrogens == (odd ? 1 : 2)) {
        hydrogen = odd ? "Liché číslo, proto 1 atom H." : "Sudé číslo, proto 2 atomy H.";
    } else {
        hydrogen = Capitalised(name) + (ions.atoms == 1 ? " je výjimka z pravidla: má " : " má ") +
                   Units(hydrogens, kAtom, "H", true) + CountedHydrogens(compound) + ".";
    }
    const int sum = hydrogens + ions.atoms * number;
    const std::string central = ions.atoms == 1
                                    ? std::to_string(number)
                                    : std::to_string(ions.atoms) + " · " + std::to_string(number);
    return "Koncovka -" + ending + " znamená oxidační číslo " + Roman(number) +
           (prefixed ? " a předpona " + prefix + " " + centrals : "") + ". " + hydrogen +
           " Vodík a " + ElementName(ions.central) + " dávají dohromady " + Signed(sum) + " (" +
           std::to_string(hydrogens) + " + " + central + "), každý atom O -2, tedy " +
           std::to_string(sum) + " : 2 = " + Units(ions.oxygens, kAtom, "O", true) + ": " +
           formula + ".";
}

} // namespace

std::string Acid(const Compound& compound, const Ions& ions, Ask ask) {
    return compound.kind == Kind::BinaryAcid
               ? BinaryAcid(ions, compound.formula, compound.Name(), ask)
               : Oxoacid(compound, ions, ask);
}

} // namespace practice
