// Coordination compounds read from their formula: the complex in square
// brackets, its ligands from the table below, the ions outside the brackets,
// and the central atom's oxidation number from the charges.
#include "practice/OxidationNumbers.h"

#include <cstddef>

namespace practice {
namespace {

struct LigandRow {
    const char* formula;
    const char* name;
    int charge;
    bool enclosed; // counted by bis-, tris-: its name would run into a numeral
};

// The ligands of school complexes, anionic first.
constexpr LigandRow kLigands[] = {
    {"CN", "kyano", -1, false},   {"OH", "hydroxo", -1, false},
    {"F", "fluoro", -1, false},   {"Cl", "chloro", -1, false},
    {"Br", "bromo", -1, false},   {"I", "jodo", -1, false},
    {"O", "oxo", -2, false},      {"SCN", "thiokyanato", -1, false},
    {"NO2", "nitro", -1, false},  {"S2O3", "thiosulfato", -2, true},
    {"NH3", "ammin", 0, false},   {"H2O", "aqua", 0, false},
    {"CO", "karbonyl", 0, false},
};

const char* kShape = "Vzorec nemá správný tvar: komplexní sloučenina má tvar K4[Fe(CN)6], "
                     "[Cu(NH3)4]SO4 nebo [Ni(CO)4].";
const char* kCentralFirst =
    "V hranaté závorce stojí nejdřív centrální atom a za ním ligandy: [Fe(CN)6].";
const char* kUnknownLigand = "V hranaté závorce je skupina, která není ligandem školních "
                             "komplexů (CN, OH, F, Cl, Br, I, O, SCN, NO2, S2O3, NH3, H2O, CO).";

IonsReading Refused(const std::string& error) {
    return {std::nullopt, error};
}

std::string Counted(const std::string& symbol, int count) {
    return count > 1 ? symbol + std::to_string(count) : symbol;
}

// The atoms as a ligand's formula: N and H3 give "NH3".
std::string Written(const std::vector<Atom>& atoms, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        text += Counted(atoms[i].symbol, atoms[i].count);
    }
    return text;
}

const LigandRow* FindLigand(const std::string& formula) {
    for (const LigandRow& row : kLigands) {
        if (formula == row.formula) {
            return &row;
        }
    }
    return nullptr;
}

void Bind(std::vector<Ligand>& ligands, const LigandRow& row, int count) {
    for (Ligand& ligand : ligands) {
        if (ligand.formula == row.formula) {
            ligand.count += count;
            return;
        }
    }
    ligands.push_back({row.formula, row.name, row.charge, count, row.enclosed});
}

// Atoms outside parentheses: a ligand of several atoms written once (NO2 in
// [Co(NH3)5NO2]), else one atom with the count of its ligands (Cl2).
bool BindBare(const std::vector<Atom>& atoms, std::vector<Ligand>& ligands) {
    for (std::size_t at = 0; at < atoms.size();) {
        std::size_t longest = 0;
        for (std::size_t end = atoms.size(); end > at + 1 && longest == 0; --end) {
            if (const LigandRow* row = FindLigand(Written(atoms, at, end))) {
                Bind(ligands, *row, 1);
                longest = end - at;
            }
        }
        if (longest == 0) {
            const LigandRow* row = FindLigand(atoms[at].symbol);
            if (row == nullptr) {
                return false;
            }
            Bind(ligands, *row, atoms[at].count);
            longest = 1;
        }
        at += longest;
    }
    return true;
}

// The inside of the brackets: the central atom, then the ligands.
std::string ReadComplex(const std::vector<Group>& inside, ComplexIon& complex) {
    const Group& first = inside.front();
    if (first.parenthesised || first.atoms[0].count != 1) {
        return kCentralFirst;
    }
    complex.central = first.atoms[0].symbol;
    std::vector<Atom> bare;
    for (std::size_t i = 1; i <= inside.size(); ++i) {
        if (i < inside.size() && !inside[i].parenthesised) {
            bare.push_back(inside[i].atoms[0]);
            continue;
        }
        if (!BindBare(bare, complex.ligands)) {
            return kUnknownLigand;
        }
        bare.clear();
        if (i < inside.size()) {
            const Group& group = inside[i];
            const LigandRow* row = FindLigand(Written(group.atoms, 0, group.atoms.size()));
            if (row == nullptr) {
                return kUnknownLigand;
            }
            Bind(complex.ligands, *row, group.count);
        }
    }
    return complex.ligands.empty() ? "Centrální atom " + complex.central + " nemá žádný ligand."
                                   : "";
}

// The cations before an anionic complex: one element whose charge is always
// the same, or NH4.
bool ReadCation(const std::vector<Group>& groups, Ion& cation) {
    if (groups.size() == 1 && groups[0].parenthesised &&
        Written(groups[0].atoms, 0, groups[0].atoms.size()) == "NH4") {
        cation = {"NH4", groups[0].count, 1};
        return true;
    }
    if (groups.size() == 2 && !groups[0].parenthesised && !groups[1].parenthesised &&
        groups[0].atoms[0].symbol == "N" && groups[0].atoms[0].count == 1 &&
        groups[1].atoms[0].symbol == "H" && groups[1].atoms[0].count == 4) {
        cation = {"NH4", 1, 1};
        return true;
    }
    if (groups.size() != 1 || groups[0].parenthesised) {
        return false;
    }
    cation = {groups[0].atoms[0].symbol, groups[0].atoms[0].count,
              FixedCharge(groups[0].atoms[0].symbol)};
    return true;
}

// The anions after a cationic complex: a halide's atom (Cl3), OH, or an
// oxoanion written once (SO4) or in parentheses ((NO3)2). `ions` gets the
// anion's element as a salt's ions have it.
bool ReadAnion(const std::vector<Group>& groups, const AnionCharges& charges, Ions& ions) {
    std::vector<Atom> atoms;
    int count = 1;
    if (groups.size() == 1 && groups[0].parenthesised) {
        atoms = groups[0].atoms;
        count = groups[0].count;
    } else {
        for (const Group& group : groups) {
            if (group.parenthesised) {
                return false;
            }
            atoms.push_back(group.atoms[0]);
        }
    }
    const std::string formula = Written(atoms, 0, atoms.size());
    for (const char* halogen : {"F", "Cl", "Br", "I"}) {
        if (atoms.size() == 1 && atoms[0].symbol == halogen) {
            ions.anion = {halogen, count * atoms[0].count, -1};
            ions.central = halogen;
            ions.atoms = 1;
            ions.oxidation = -1;
            return !groups[0].parenthesised;
        }
    }
    if (formula == "OH") {
        ions.anion = {"OH", count, -1};
        ions.central = "O";
        ions.atoms = 1;
        ions.oxidation = -2;
        return true;
    }
    const auto known = charges.find(formula);
    if (atoms.size() != 2 || atoms[1].symbol != "O" || known == charges.end() ||
        known->second == 0) {
        return false;
    }
    ions.anion = {formula, count, known->second};
    ions.central = atoms[0].symbol;
    ions.atoms = atoms[0].count;
    ions.oxygens = atoms[1].count;
    const int sum = known->second + 2 * ions.oxygens;
    ions.oxidation = sum % ions.atoms == 0 ? sum / ions.atoms : 0;
    return ions.oxidation > 0;
}

} // namespace

IonsReading ComplexIons(const Formula& formula, const AnionCharges& charges) {
    const std::vector<Group>& groups = formula.groups;
    std::size_t brackets = groups.size();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].bracketed) {
            if (brackets != groups.size()) {
                return Refused("Komplexní sloučenina školního názvosloví má jen jednu hranatou "
                               "závorku.");
            }
            brackets = i;
        }
    }
    if (brackets == groups.size()) {
        return Refused("Komplexní částice se píše do hranatých závorek: K4[Fe(CN)6], "
                       "[Cu(NH3)4]SO4.");
    }
    if (groups[brackets].count != 1) {
        return Refused(kShape);
    }
    ComplexIon complex{};
    const std::string error = ReadComplex(groups[brackets].inside, complex);
    if (!error.empty()) {
        return Refused(error);
    }
    const std::vector<Group> before(groups.begin(), groups.begin() + brackets);
    const std::vector<Group> after(groups.begin() + brackets + 1, groups.end());
    Formula alone;
    alone.groups.push_back(groups[brackets]);
    const std::string written = WriteFormula(alone);
    Ions ions{};
    if (!before.empty() && !after.empty()) {
        return Refused(kShape);
    }
    if (!before.empty()) {
        if (!ReadCation(before, ions.cation)) {
            return Refused(kShape);
        }
        if (ions.cation.charge == 0) {
            return Refused("Náboj kationtu " + ions.cation.formula +
                           " nelze určit: před komplexním aniontem stojí kation se stálým "
                           "nábojem (K, Na, NH4 ...).");
        }
        complex.charge = -ions.cation.count * ions.cation.charge;
        ions.anion = {written, 1, complex.charge};
        ions.central = complex.central;
        ions.atoms = 1;
    } else if (!after.empty()) {
        if (!ReadAnion(after, charges, ions)) {
            return Refused("Za komplexním kationtem stojí anion se známým nábojem: Cl, OH, SO4, "
                           "NO3 ...");
        }
        complex.charge = -ions.anion.count * ions.anion.charge;
        ions.cation = {written, 1, complex.charge};
    } else {
        ions.cation = {written, 1, 0};
        ions.anion = {"", 0, 0};
        ions.central = complex.central;
        ions.atoms = 1;
    }
    int ligands = 0;
    for (const Ligand& ligand : complex.ligands) {
        ligands += ligand.count * ligand.charge;
    }
    complex.oxidation = complex.charge - ligands;
    if (complex.oxidation < 0) {
        return Refused("Centrální atom by měl záporné oxidační číslo: takový vzorec být nemůže.");
    }
    if (complex.oxidation > 8) {
        return Refused("Vyšlo by oxidační číslo vyšší než VIII: takový vzorec být nemůže.");
    }
    if (after.empty()) { // the complex is named by its central atom's ending
        ions.oxidation = complex.oxidation;
    }
    ions.complex = complex;
    return {ions, ""};
}

} // namespace practice
