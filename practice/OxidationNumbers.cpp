#include "practice/OxidationNumbers.h"

namespace practice {
namespace {

struct Number {
    const char* symbol;
    int number;
};

// Cations whose oxidation number is the same in every school compound.
constexpr Number kFixedCations[] = {
    {"Li", 1}, {"Na", 1}, {"K", 1},  {"Ag", 1}, {"NH4", 1}, {"Mg", 2},
    {"Ca", 2}, {"Sr", 2}, {"Ba", 2}, {"Zn", 2}, {"Cd", 2},  {"Al", 3},
};

// The anions of halides, sulfides and binary acids.
constexpr Number kBinaryAnions[] = {{"F", -1}, {"Cl", -1}, {"Br", -1}, {"I", -1}, {"S", -2}};

// What a formula of each kind looks like, in the order of Kind.
constexpr const char* kShapes[kKindCount] = {
    "oxid má tvar Na2O, CO2 nebo Fe2O3",
    "hydroxid má tvar NaOH nebo Fe(OH)3",
    "halogenid má tvar NaCl nebo FeCl3 (F, Cl, Br, I; také kyanid KCN)",
    "sulfid má tvar Na2S nebo CuS",
    "peroxid má tvar H2O2, Na2O2 nebo BaO2",
    "bezkyslíkatá kyselina má tvar HCl, H2S nebo HCN",
    "kyslíkatá kyselina má tvar HNO3 nebo H2SO4",
    "sůl má tvar CuSO4, Fe2(SO4)3 nebo (NH4)2SO4",
    "hydrogensůl má tvar NaHCO3, Ca(HCO3)2, NaH2PO4 nebo NaHS",
    "hydrát má tvar CuSO4·5H2O nebo CoCl2·6H2O",
    "triviální název se ze vzorce neodvozuje",
    "komplexní sloučenina má tvar K4[Fe(CN)6], [Cu(NH3)4]SO4 nebo [Ni(CO)4]",
};

struct Replacement {
    const char* anion;
    const char* prefix;
    int atoms;   // of the anion it is named from
    int oxygens; // of the anion it is named from
};

// Anions named from another by a prefix, as data: the formula alone does not
// show that one S of S2O3 took the place of an O of SO4, nor that SO5 holds
// an O2 group in place of an O.
constexpr Replacement kReplacements[] = {
    {"S2O3", "thio", 1, 4},
    {"SO5", "peroxo", 1, 4},
    {"S2O8", "peroxo", 2, 7},
};

template <std::size_t N> const Number* Find(const Number (&table)[N], const std::string& symbol) {
    for (const Number& row : table) {
        if (symbol == row.symbol) {
            return &row;
        }
    }
    return nullptr;
}

std::string Counted(const std::string& symbol, int count) {
    return count > 1 ? symbol + std::to_string(count) : symbol;
}

// Walks the formula's groups from the left.
class Groups {
  public:
    explicit Groups(const Formula& formula) : groups_(formula.groups) {}

    bool Done() const { return at_ == groups_.size(); }

    // The next group when it is one atom outside parentheses, of `symbol` if given.
    const Atom* Bare(const char* symbol = nullptr) {
        if (Done() || groups_[at_].parenthesised || groups_[at_].bracketed) {
            return nullptr;
        }
        const Atom& atom = groups_[at_].atoms[0];
        if (symbol != nullptr && atom.symbol != symbol) {
            return nullptr;
        }
        ++at_;
        return &atom;
    }

    // The next group when it is in parentheses, with its count.
    const Group* Parenthesised() {
        return !Done() && groups_[at_].parenthesised ? &groups_[at_++] : nullptr;
    }

    // A cation at the start: NH4 in parentheses or bare (NH4Cl), else an element.
    bool Cation(Ion& cation) {
        const std::size_t start = at_;
        if (const Group* group = Parenthesised()) {
            const auto& atoms = group->atoms;
            cation = {"NH4", group->count, 0};
            return atoms.size() == 2 && atoms[0].symbol == "N" && atoms[0].count == 1 &&
                   atoms[1].symbol == "H" && atoms[1].count == 4;
        }
        const Atom* first = Bare();
        if (first != nullptr && first->symbol == "N" && first->count == 1) {
            const Atom* hydrogen = Bare("H");
            if (hydrogen != nullptr && hydrogen->count == 4) {
                cation = {"NH4", 1, 0};
                return true;
            }
            at_ = start + 1;
        }
        if (first == nullptr || first->symbol == "O") {
            return false;
        }
        cation = {first->symbol, first->count, 0};
        return true;
    }

    // Cyanide groups to the end, counted: CN bare (one) or (CN)n. CN counts as
    // one unit with the charge 1-, as a halide's atom does.
    bool Cyanides(int& count) {
        const std::size_t start = at_;
        if (const Group* group = Parenthesised()) {
            const auto& atoms = group->atoms;
            if (Done() && atoms.size() == 2 && atoms[0].symbol == "C" && atoms[0].count == 1 &&
                atoms[1].symbol == "N" && atoms[1].count == 1) {
                count = group->count;
                return true;
            }
        } else if (const Atom* carbon = Bare("C"); carbon != nullptr && carbon->count == 1) {
            const Atom* nitrogen = Bare("N");
            if (nitrogen != nullptr && nitrogen->count == 1 && Done()) {
                count = 1;
                return true;
            }
        }
        at_ = start;
        return false;
    }

    // An oxoanion to the end: E and O bare (once) or in parentheses (repeated).
    bool Oxoanion(Ion& anion, Atom& central, int& oxygens) {
        std::vector<Atom> atoms;
        int count = 1;
        if (const Group* group = Parenthesised()) {
            atoms = group->atoms;
            count = group->count;
        } else {
            for (const Atom* atom = Bare(); atom != nullptr; atom = Bare()) {
                atoms.push_back(*atom);
            }
        }
        if (!Done() || atoms.size() != 2 || atoms[1].symbol != "O" || atoms[0].symbol == "O" ||
            atoms[0].symbol == "H") {
            return false;
        }
        central = atoms[0];
        oxygens = atoms[1].count;
        anion = {Counted(central.symbol, central.count) + Counted("O", oxygens), count, 0};
        prefix_.clear();
        for (const Replacement& replacement : kReplacements) {
            if (anion.formula == replacement.anion) {
                prefix_ = replacement.prefix;
                central.count = replacement.atoms;
                oxygens = replacement.oxygens;
            }
        }
        return true;
    }

    // The prefix of the last oxoanion read, when it is named from another.
    const std::string& Prefix() const { return prefix_; }

  private:
    const std::vector<Group>& groups_;
    std::size_t at_ = 0;
    std::string prefix_;
};

IonsReading Refused(const std::string& error) {
    return {std::nullopt, error};
}

IonsReading Misshapen(Kind kind) {
    return Refused(std::string("Vzorec nemá správný tvar: ") + kShapes[static_cast<int>(kind)] +
                   ".");
}

const char* kNotWhole = "Oxidační čísla nevycházejí celá: takový vzorec být nemůže.";
const char* kTooHigh = "Vyšlo by oxidační číslo vyšší než VIII: takový vzorec být nemůže.";
constexpr int kHighest = 8;

// The anion of a hydroxide, halide, sulfide or peroxide after its cation.
bool BinaryAnion(Groups& groups, Kind kind, Ions& ions) {
    if (kind == Kind::Hydroxide) {
        int count = 0;
        if (const Group* group = groups.Parenthesised()) {
            const auto& atoms = group->atoms;
            if (atoms.size() == 2 && atoms[0].symbol == "O" && atoms[0].count == 1 &&
                atoms[1].symbol == "H" && atoms[1].count == 1) {
                count = group->count;
            }
        } else if (groups.Bare("O") != nullptr) {
            const Atom* hydrogen = groups.Bare("H");
            count = hydrogen != nullptr && hydrogen->count == 1 ? 1 : 0;
        }
        ions.anion = {"OH", count, -1};
        ions.central = "O";
        ions.atoms = 1;
        ions.oxidation = -2;
        return count > 0 && groups.Done();
    }
    int cyanides = 0;
    if (kind == Kind::Halide && groups.Cyanides(cyanides)) {
        ions.anion = {"CN", cyanides, -1};
        ions.central = "CN";
        ions.atoms = 1;
        ions.oxidation = -1;
        return true;
    }
    const Atom* atom = groups.Bare();
    if (atom == nullptr || !groups.Done()) {
        return false;
    }
    ions.central = atom->symbol;
    if (kind == Kind::Peroxide) {
        ions.anion = {"O2", atom->count / 2, -2};
        ions.atoms = 2;
        ions.oxidation = -1;
        return atom->symbol == "O" && atom->count % 2 == 0;
    }
    const Number* anion = Find(kBinaryAnions, atom->symbol);
    const bool sulfur = atom->symbol == "S";
    if (anion == nullptr || sulfur != (kind == Kind::Sulfide)) {
        return false;
    }
    ions.anion = {atom->symbol, atom->count, anion->number};
    ions.atoms = 1;
    ions.oxidation = anion->number;
    return true;
}

// An element and oxygen, both bare: Fe2O3.
IonsReading Oxide(Groups& groups) {
    const Atom* element = groups.Bare();
    const Atom* oxygen = element != nullptr && element->symbol != "O" ? groups.Bare("O") : nullptr;
    if (oxygen == nullptr || !groups.Done()) {
        return Misshapen(Kind::Oxide);
    }
    const int total = 2 * oxygen->count;
    if (total % element->count != 0) {
        return Refused(kNotWhole);
    }
    Ions ions{};
    ions.cation = {element->symbol, element->count, total / element->count};
    ions.anion = {"O", oxygen->count, -2};
    ions.central = "O";
    ions.atoms = 1;
    ions.oxidation = -2;
    return ions.cation.charge > kHighest ? Refused(kTooHigh) : IonsReading{ions, ""};
}

IonsReading Acid(Groups& groups, Kind kind) {
    Ions ions{};
    const Atom* hydrogen = groups.Bare("H");
    if (hydrogen == nullptr) {
        return Misshapen(kind);
    }
    ions.cation = {"H", hydrogen->count, 1};
    int cyanides = 0;
    if (kind == Kind::BinaryAcid && groups.Cyanides(cyanides)) {
        if (cyanides != 1 || hydrogen->count != 1) {
            return Refused("Skupina CN má náboj -1, atomů H tedy musí být 1.");
        }
        ions.anion = {"CN", 1, -1};
        ions.central = "CN";
        ions.atoms = 1;
        ions.oxidation = -1;
        return {ions, ""};
    }
    if (kind == Kind::BinaryAcid) {
        const Atom* atom = groups.Bare();
        const Number* anion = atom != nullptr ? Find(kBinaryAnions, atom->symbol) : nullptr;
        if (anion == nullptr || atom->count != 1 || !groups.Done()) {
            return Misshapen(kind);
        }
        if (hydrogen->count != -anion->number) {
            return Refused("Anion " + atom->symbol + " má náboj " + std::to_string(anion->number) +
                           ", atomů H tedy musí být " + std::to_string(-anion->number) + ".");
        }
        ions.anion = {atom->symbol, 1, anion->number};
        ions.central = atom->symbol;
        ions.atoms = 1;
        ions.oxidation = anion->number;
        return {ions, ""};
    }
    Atom central;
    if (!groups.Oxoanion(ions.anion, central, ions.oxygens) || ions.anion.count != 1) {
        return Misshapen(kind);
    }
    ions.anion.charge = -hydrogen->count;
    ions.prefix = groups.Prefix();
    ions.central = central.symbol;
    ions.atoms = central.count;
    const int sum = 2 * ions.oxygens - hydrogen->count;
    if (sum <= 0 || sum % central.count != 0) {
        return Refused(kNotWhole);
    }
    ions.oxidation = sum / central.count;
    return ions.oxidation > kHighest ? Refused(kTooHigh) : IonsReading{ions, ""};
}

} // namespace

AnionCharges AnionChargesOf(const std::vector<Compound>& compounds) {
    AnionCharges charges;
    for (const Compound& compound : compounds) {
        if (compound.kind != Kind::Oxoacid) {
            continue;
        }
        const FormulaReading read = ReadFormula(compound.formula);
        const IonsReading acid =
            read.formula ? FindIons(*read.formula, Kind::Oxoacid, {}) : IonsReading{};
        if (acid.ions) {
            const Ion& anion = acid.ions->anion;
            const auto known = charges.find(anion.formula);
            charges[anion.formula] =
                known == charges.end() || known->second == anion.charge ? anion.charge : 0;
        }
    }
    return charges;
}

// A hydrogen salt's anion to the end: H, then an oxoanion's atoms or S, bare
// (once) or in parentheses (repeated). Its charge is its acid's less the
// hydrogens it keeps: HCO3 from H2CO3 has 1-.
bool HydrogenAnion(Groups& groups, const AnionCharges& charges, Ions& ions) {
    std::vector<Atom> atoms;
    int count = 1;
    if (const Group* group = groups.Parenthesised()) {
        atoms = group->atoms;
        count = group->count;
    } else {
        for (const Atom* atom = groups.Bare(); atom != nullptr; atom = groups.Bare()) {
            atoms.push_back(*atom);
        }
    }
    if (!groups.Done() || atoms.size() < 2 || atoms[0].symbol != "H") {
        return false;
    }
    ions.hydrogens = atoms[0].count;
    int parent = 0;
    std::string rest;
    if (atoms.size() == 2 && atoms[1].symbol == "S" && atoms[1].count == 1) { // HS from H2S
        parent = -2;
        rest = "S";
        ions.central = "S";
        ions.atoms = 1;
        ions.oxidation = -2;
    } else if (atoms.size() == 3 && atoms[2].symbol == "O" && atoms[1].symbol != "O" &&
               atoms[1].symbol != "H") {
        rest = Counted(atoms[1].symbol, atoms[1].count) + Counted("O", atoms[2].count);
        const auto known = charges.find(rest);
        parent = known == charges.end() ? 0 : known->second;
        ions.central = atoms[1].symbol;
        ions.atoms = atoms[1].count;
        ions.oxygens = atoms[2].count;
        const int sum = parent + 2 * ions.oxygens;
        ions.oxidation = parent != 0 && sum > 0 && sum % ions.atoms == 0 ? sum / ions.atoms : 0;
    }
    const int charge = parent + ions.hydrogens;
    ions.anion = {Counted("H", ions.hydrogens) + rest, count, charge};
    return parent != 0 && charge < 0 && ions.oxidation != 0;
}

int FixedCharge(const std::string& cation) {
    const Number* fixed = Find(kFixedCations, cation);
    return fixed != nullptr ? fixed->number : 0;
}

IonsReading FindIons(const Formula& formula, Kind kind, const AnionCharges& charges) {
    if (kind == Kind::Complex && formula.waters == 0) {
        return ComplexIons(formula, charges);
    }
    if (kind == Kind::Trivial || (formula.waters > 0) != (kind == Kind::Hydrate)) {
        return Misshapen(kind);
    }
    if (kind == Kind::Hydrate) {
        Formula anhydrous = formula;
        anhydrous.waters = 0;
        for (const Kind salt : {Kind::Salt, Kind::HydrogenSalt, Kind::Halide, Kind::Hydroxide}) {
            IonsReading found = FindIons(anhydrous, salt, charges);
            if (found.ions) {
                found.ions->waters = formula.waters;
                found.ions->anhydrous = salt;
                return found;
            }
        }
        return Misshapen(kind);
    }
    Groups groups(formula);
    if (kind == Kind::Complex) {
        return Misshapen(kind);
    }
    if (kind == Kind::Oxide) {
        return Oxide(groups);
    }
    if (kind == Kind::BinaryAcid || kind == Kind::Oxoacid) {
        return Acid(groups, kind);
    }
    Ions ions{};
    Atom central;
    const bool shaped = groups.Cation(ions.cation) &&
                        (kind == Kind::Salt ? groups.Oxoanion(ions.anion, central, ions.oxygens)
                         : kind == Kind::HydrogenSalt ? HydrogenAnion(groups, charges, ions)
                                                      : BinaryAnion(groups, kind, ions));
    if (!shaped || ions.anion.count == 0) {
        return Misshapen(kind);
    }
    Ion& cation = ions.cation;
    Ion& anion = ions.anion;
    const Number* fixed = Find(kFixedCations, cation.formula);
    if (kind == Kind::Salt) {
        ions.prefix = groups.Prefix();
        ions.central = central.symbol;
        ions.atoms = central.count;
        const auto known = charges.find(anion.formula);
        if (fixed != nullptr) {
            const int total = cation.count * fixed->number;
            if (total % anion.count != 0) {
                return Refused(kNotWhole);
            }
            anion.charge = -total / anion.count;
        } else if (known == charges.end() || known->second == 0) {
            return Refused("Náboj aniontu " + anion.formula +
                           " nelze určit: chybí jeho kyselina nebo jich je víc.");
        } else {
            anion.charge = known->second;
        }
        const int sum = anion.charge + 2 * ions.oxygens;
        if (sum <= 0 || sum % central.count != 0) {
            return Refused(kNotWhole);
        }
        ions.oxidation = sum / central.count;
    }
    const int total = -anion.count * anion.charge;
    if (total % cation.count != 0) {
        return Refused(kNotWhole);
    }
    cation.charge = total / cation.count;
    if (cation.charge > kHighest || ions.oxidation > kHighest) {
        return Refused(kTooHigh);
    }
    if (fixed != nullptr && fixed->number != cation.charge) {
        return Refused("Kation " + cation.formula + " má vždy náboj +" +
                       std::to_string(fixed->number) + ", podle vzorce by měl +" +
                       std::to_string(cation.charge) + ".");
    }
    return {ions, ""};
}

std::optional<Ions> IonsOf(const std::string& formula, Kind kind) {
    static const AnionCharges charges = AnionChargesOf(ListedCompounds());
    const FormulaReading read = ReadFormula(formula);
    return read.formula ? FindIons(*read.formula, kind, charges).ions : std::nullopt;
}

} // namespace practice
