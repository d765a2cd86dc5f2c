// Coordination compounds: the ions outside the brackets give the complex its
// charge, the ligands' charges give the central atom its oxidation number, and
// that its ending; or back from the name's parts to the formula.
#include "practice/ExplanationParts.h"
#include "practice/Naming.h"
#include "practice/NamedElements.h"
#include "practice/Text.h"

namespace practice {
namespace {

constexpr Noun kLigand = {"ligand", "ligandy", "ligandů", false, "ligand"};

// "železo"; the symbol where the table has no name.
std::string CentralName(const ComplexIon& complex) {
    const std::string name = ElementName(complex.central);
    return name.empty() ? complex.central : name;
}

std::string Number(int oxidation) {
    return oxidation == 0 ? "0" : Roman(oxidation);
}

// "šest ligandů CN (kyano) s nábojem 1-", "čtyři ligandy NH3 (ammin) bez náboje".
std::string LigandsOf(const Ligand& ligand) {
    return Units(ligand.count, kLigand, ligand.formula) + " (" + ligand.name + ") " +
           (ligand.charge == 0 ? "bez náboje" : "s nábojem " + Charge(ligand.charge));
}

int LigandsCharge(const ComplexIon& complex) {
    int total = 0;
    for (const Ligand& ligand : complex.ligands) {
        total += ligand.count * ligand.charge;
    }
    return total;
}

// "(+2) + (-6) = -4": the central atom's number and the ligands' charges
// make the complex's.
std::string Sum(const ComplexIon& complex) {
    const int ligands = LigandsCharge(complex);
    return "(" + Signed(complex.oxidation) + ") + " +
           (ligands == 0 ? "0" : "(" + Signed(ligands) + ")") + " = " + Signed(complex.charge);
}

// The word of the central atom: "železnatan", "měďnatý", "nikl".
std::string CentralWord(const ComplexIon& complex) {
    return complex.charge < 0   ? AnionNoun(complex.central, 1, complex.oxidation)
           : complex.charge > 0 ? CationAdjective(complex.central, complex.oxidation)
                                : CentralName(complex);
}

// The ending of the central atom's word for its oxidation number: "natan", "natý".
std::string CentralEnding(const ComplexIon& complex) {
    return EndingIn(CentralWord(complex), complex.oxidation,
                    complex.charge < 0 ? Form::Anion : Form::Adjective);
}

// The order of two or more kinds of ligand, and the older order where it differs.
std::string OrderNote(const Ions& ions, const std::string& name) {
    const ComplexIon& complex = *ions.complex;
    if (complex.ligands.size() < 2) {
        return "";
    }
    const std::string older = ComplexName(ions, {LigandOrder::AnionicFirst});
    return " Ligandy se v názvu řadí abecedně podle svých jmen, bez ohledu na předpony." +
           (older != name ? " Starší pravidla dávala aniontové ligandy před neutrální: " + older +
                                "; i tak je název správně."
                          : std::string());
}

// Why a ligand counts by bis-, tris-.
std::string EnclosedNote(const ComplexIon& complex) {
    for (const Ligand& ligand : complex.ligands) {
        if (ligand.enclosed && ligand.count > 1) {
            return " Jméno ligandu " + ligand.name + " by s předponou di- splývalo, počet proto " +
                   "udává předpona bis-, tris- a jméno ligandu stojí v závorce: " +
                   CountedLigand(ligand) + ".";
        }
    }
    return "";
}

// The ion outside the brackets as the sentence names it: "kation K", "anion chloru".
Side OtherSide(const Ion& ion, bool cation) {
    return {SymbolAfterAtom(ion.formula), ion.count, ion.charge, cation ? &kCation : &kAnion};
}

std::string FromFormula(const Ions& ions, const std::string& name) {
    const ComplexIon& complex = *ions.complex;
    std::string text = "Komplexní částice stojí v hranaté závorce. ";
    const bool anionic = complex.charge < 0;
    const Ion& complexIon = anionic ? ions.anion : ions.cation;
    if (complex.charge == 0) {
        text += "Komplex " + complexIon.formula + " stojí ve vzorci sám, je tedy bez náboje. ";
    } else {
        const Side other = OtherSide(anionic ? ions.cation : ions.anion, anionic);
        const int total = other.count * other.value;
        text += other.count == 1 ? Capitalised(other.noun->one) + " " + other.label + " má náboj " +
                                       Charge(other.value)
                                 : Capitalised(Units(other.count, *other.noun, other.label)) +
                                       " s nábojem " + Charge(other.value) + " " +
                                       Verb(other.count) + " dohromady " + Signed(total);
        text += std::string(", komplexní ") + (anionic ? "anion " : "kation ") +
                complexIon.formula + " má tedy náboj " + Charge(complex.charge) + ". ";
    }
    std::string ligands;
    for (std::size_t i = 0; i < complex.ligands.size(); ++i) {
        const Ligand& ligand = complex.ligands[i];
        ligands += (i == 0                            ? ""
                    : i + 1 == complex.ligands.size() ? " a "
                                                      : ", ") +
                   LigandsOf(ligand);
    }
    const int total = LigandsCharge(complex);
    text += Capitalised(ligands) + ": " +
            (total == 0 ? std::string("náboj ligandů je 0")
                        : "ligandy dávají dohromady " + Signed(total)) +
            ", " + CentralName(complex) + " má tedy oxidační číslo " + Number(complex.oxidation) +
            (complex.oxidation == 0 ? "" : ": " + Sum(complex)) + ". ";
    const std::string word = ComplexWord(complex);
    const std::string ligandsFirst =
        "; před jméno centrálního atomu se píší ligandy s číslovkovými předponami";
    const std::string notes = EnclosedNote(complex) + OrderNote(ions, name);
    if (complex.charge < 0) {
        return text + "Komplexní anion má koncovku -an, oxidačnímu číslu " +
               Number(complex.oxidation) + " odpovídá -" + CentralEnding(complex) + ligandsFirst +
               ": " + word + "." + notes + " Kation " + SymbolAfterAtom(ions.cation.formula) +
               " se nazývá " + CationAdjective(ions.cation.formula, ions.cation.charge) + ": " +
               name + ".";
    }
    if (complex.charge > 0) {
        return text + "Komplexní kation se nazývá přídavným jménem, oxidačnímu číslu " +
               Number(complex.oxidation) + " odpovídá koncovka -" + CentralEnding(complex) +
               ligandsFirst + ": " + word + "." + notes + " Název začíná aniontem: " + name + ".";
    }
    return text + "Komplex bez náboje se nazývá jménem centrálního atomu v 1. pádě (" +
           CentralName(complex) + ")" + ligandsFirst + "." + notes + " Název: " + name + ".";
}

std::string FromName(const Ions& ions, const std::string& formula, const std::string& name) {
    const ComplexIon& complex = *ions.complex;
    const bool anionic = complex.charge < 0;
    const Ion& complexIon = anionic ? ions.anion : ions.cation;
    std::string ligands;
    for (const Ligand& ligand : OrderedLigands(complex, LigandOrder::Alphabetical)) {
        ligands +=
            (ligands.empty() ? "" : ", ") + CountedLigand(ligand) + " znamená " + LigandsOf(ligand);
    }
    std::string text;
    if (complex.charge == 0) {
        text = Capitalised(name) +
               " je komplex bez náboje, centrální atom má jméno bez koncovky: " +
               CentralName(complex) + ", " + complex.central + ". ";
    } else {
        text = Capitalised(ComplexWord(complex)) + " je komplexní " +
               (anionic ? "anion (koncovka -an)" : "kation (přídavné jméno)") + ": " +
               CentralWord(complex) + " znamená centrální atom " +
               SymbolAfterAtom(complex.central) + " s oxidačním číslem " +
               Number(complex.oxidation) + " (koncovka -" + CentralEnding(complex) + "). ";
    }
    text += Capitalised(ligands) + ". ";
    if (complex.charge != 0) {
        text += "Náboj komplexu je " + Sum(complex) + ". ";
    }
    text += "V hranaté závorce stojí centrální atom a za ním ligandy, ligand z více atomů v "
            "kulaté závorce: " +
            complexIon.formula + ".";
    if (complex.charge == 0) {
        return text;
    }
    const Side complexSide{complexIon.formula, 1, complex.charge, anionic ? &kAnion : &kCation};
    const Side other = OtherSide(anionic ? ions.cation : ions.anion, anionic);
    const std::string otherWord = anionic ? WordOf(name, 1) : WordOf(name, 0);
    text += " " + Capitalised(otherWord) + ": " + other.noun->one + " " + other.label +
            " s nábojem " + Charge(other.value) + ". " +
            (anionic ? Balance(other, complexSide, true, formula)
                     : Balance(complexSide, other, true, formula));
    return text;
}

} // namespace

std::string Complex(const Compound& compound, const Ions& ions, Ask ask) {
    return ask == Ask::Name ? FromFormula(ions, compound.Name())
                            : FromName(ions, compound.formula, compound.Name());
}

} // namespace practice
