// Oxidation numbers of a compound of the list, found from its
// formula the way a pupil finds them: fixed numbers where the rules give them
// (O -II, -I in peroxides; H I in acids; OH 1-; NH4 1+; halogens -I; S -II),
// the rest from the zero sum. Messages are Czech, code page 1250.
#pragma once

#include "practice/CompoundList.h"
#include "practice/FormulaReader.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace practice {

// A cation or anion as a unit of the formula.
struct Ion {
    std::string formula; // "Fe", "NH4", "H", "OH", "Cl", "S", "O2", "SO4", "Cr2O7"
    int count;           // units in the formula: Fe2(SO4)3 has 2 Fe and 3 SO4
    int charge;          // of one unit: +3 for Fe, -2 for SO4
};

// A ligand bound in a complex, from the table of ligands.
struct Ligand {
    std::string formula; // "CN", "NH3"
    std::string name;    // "kyano", "ammin"
    int charge;          // of one: -1 for CN, 0 for NH3
    int count;           // in the complex
    // Counted by bis-, tris-, tetrakis- with the name in parentheses, since a
    // plain numeral would run into its name: bis(thiosulfato), not dithiosulfato.
    bool enclosed;
};

// The complex in square brackets: its central atom with the oxidation number
// the charges give, and its ligands in the order the formula writes them.
struct ComplexIon {
    std::string central; // "Fe"
    int oxidation;       // 2 in K4[Fe(CN)6]
    int charge;          // of the whole complex: -4 there, 2 in [Cu(NH3)4]SO4, 0 in [Ni(CO)4]
    std::vector<Ligand> ligands;
};

struct Ions {
    Ion cation; // an element (its charge is its oxidation number), NH4, or H in acids
    Ion anion;
    // The element that names the anion and its oxidation number: O -II in
    // Fe2O3, Cl -I in FeCl3, S -II in CuS, O -I in Na2O2, O -II in OH, S +VI in SO4. Oxoanions
    // hold `atoms` of it (2 in Cr2O7) and `oxygens` oxygen atoms besides.
    std::string central;
    int atoms;
    int oxidation;
    int oxygens;
    int hydrogens; // that a hydrogen salt's anion keeps: 1 in HCO3, 2 in H2PO4
    // An anion named from another by a prefix: "thio" in S2O3 (an S for one O
    // of SO4), "peroxo" in SO5 and S2O8 (an O2 group for one O of SO4, S2O7).
    // `atoms` and `oxygens` are then those of the anion it is named from, which
    // also gives the oxidation number, as schools teach it: S VI.
    std::string prefix = {};
    int waters = 0;              // of a hydrate: 5 in CuSO4·5H2O
    Kind anhydrous = Kind::Salt; // what a hydrate is without its water
    // Of a coordination compound. The complex is then one of the ions, written
    // as in the formula: the anion [Fe(CN)6] of K4[Fe(CN)6], the cation
    // [Cu(NH3)4] of [Cu(NH3)4]SO4, or the cation of charge 0 and no anion of
    // [Ni(CO)4]; `central` and what follows it describe the other ion as above
    // (S VI of SO4), or the complex's central atom where the other is a cation.
    std::optional<ComplexIon> complex = {};
};

// The charge of each oxoanion as the list's oxoacids give it ("SO4": -2 from
// H2SO4); 0 where two acids give one anion two charges (MnO4 from HMnO4 and
// H2MnO4).
using AnionCharges = std::map<std::string, int>;
AnionCharges AnionChargesOf(const std::vector<Compound>& compounds);

struct IonsReading {
    std::optional<Ions> ions;
    std::string error; // why there are none; empty when there are
};

// Salts take the cation's charge where it is always the same (Na +I, Ca +II,
// Al +III, NH4 +I ...), else the anion's from `charges`. A hydrate is read as
// a salt, hydrogen salt, halide or hydroxide with its water; trivial names
// have no rule, so nothing is found for them.
IonsReading FindIons(const Formula& formula, Kind kind, const AnionCharges& charges);

// The charge a cation always has in school compounds (Na 1, Ca 2, NH4 1 ...);
// 0 for one whose charge differs between compounds (Fe).
int FixedCharge(const std::string& cation);

// A coordination compound: a complex anion with cations before it
// (K4[Fe(CN)6]), a complex cation with anions after it ([Cu(NH3)4]SO4), or a
// neutral complex alone ([Ni(CO)4]). The central atom's oxidation number is
// the complex's charge less its ligands'.
IonsReading ComplexIons(const Formula& formula, const AnionCharges& charges);

// The same for a compound of the list, with the charges of the list's
// oxoanions; nothing when its formula does not read.
std::optional<Ions> IonsOf(const std::string& formula, Kind kind);

} // namespace practice
