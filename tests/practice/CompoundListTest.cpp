// Every line of the compiled-in list against the rules: its formula reads, is
// reduced, its charges sum to zero, the name made from its oxidation numbers
// is the one listed, and one element at one oxidation number is named alike
// in every line. Oxides also against the main window's chemistry core. Then
// the list reader's and the rules' refusals.
#include "practice/CompoundList.h"
#include "practice/FormulaReader.h"
#include "practice/NamedElements.h"
#include "practice/OxidationNumbers.h"
#include "practice/StoichiometricNames.h"
#include "practice/Text.h"

#include "chemistry/ElementTables.h"
#include "chemistry/FormulaAnalyser.h"
#include "tests/chemistry/TraceCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

using namespace practice;

namespace {

TEST(CompoundList, EveryCompoundIsNamedByTheRules) {
    const CompoundList list = ParseCompoundList(CompoundListText());
    EXPECT_TRUE(list.errors.empty()) << list.errors.front();
    std::set<std::string> formulas, names, trivial;
    int counts[kKindCount][2] = {};
    int complexes[4] = {}; // anionic, neutral, cationic; with two kinds of ligand
    for (const Compound& compound : list.compounds) {
        SCOPED_TRACE(compound.formula + " " + compound.Name());
        ++counts[static_cast<int>(compound.kind)][static_cast<int>(compound.level)];
        for (const std::string& name : compound.names) {
            EXPECT_TRUE(names.insert(name).second) << name << " twice";
        }
        if (compound.kind == Kind::Trivial) {
            EXPECT_TRUE(trivial.insert(compound.formula).second) << "twice";
            EXPECT_FALSE(compound.systematic.empty());
            continue;
        }
        EXPECT_TRUE(formulas.insert(compound.formula).second) << "twice";
        const std::optional<Ions> ions = IonsOf(compound.formula, compound.kind);
        ASSERT_TRUE(ions);
        EXPECT_EQ(std::gcd(ions->cation.count, ions->anion.count), 1) << "not reduced";
        EXPECT_EQ(ions->cation.count * ions->cation.charge + ions->anion.count * ions->anion.charge,
                  0);
        const int hydrogens = (ions->anion.formula == "OH" ? 1 : 0) + ions->hydrogens;
        if (compound.kind == Kind::Complex) {
            const ComplexIon& complex = *ions->complex;
            int ligands = complex.oxidation;
            for (const Ligand& ligand : complex.ligands) {
                ligands += ligand.count * ligand.charge;
            }
            EXPECT_EQ(ligands, complex.charge);
            EXPECT_EQ(CompoundName(compound.kind, *ions), compound.Name());
            ++complexes[(complex.charge > 0) - (complex.charge < 0) + 1];
            complexes[3] += complex.ligands.size() > 1 ? 1 : 0;
        } else if (compound.kind != Kind::Oxide) {
            EXPECT_EQ(ions->atoms * ions->oxidation - 2 * ions->oxygens + hydrogens,
                      ions->anion.charge);
            EXPECT_EQ(CompoundName(compound.kind, *ions), compound.Name());
        }
        const bool binary = compound.kind == Kind::Oxide || compound.kind == Kind::Halide ||
                            compound.kind == Kind::Sulfide;
        EXPECT_EQ(StoichiometricNames(compound).empty(),
                  !binary || ions->cation.formula == "NH4" || ions->central == "CN")
            << "a stoichiometric name for every binary compound";
        for (const std::string& molecule : compound.molecular) {
            const auto multiple = ReadFormula(molecule).formula;
            ASSERT_TRUE(multiple) << molecule;
            const auto atoms = CountAtoms(*multiple);
            const auto reduced = CountAtoms(*ReadFormula(compound.formula).formula);
            const int factor = atoms.begin()->second / reduced.begin()->second;
            for (const auto& [symbol, count] : reduced) {
                EXPECT_EQ(atoms.at(symbol), factor * count) << molecule;
            }
            EXPECT_TRUE(factor > 1 && formulas.insert(molecule).second) << molecule;
        }
    }
    for (const Kind kind : Kinds()) {
        const auto* count = counts[static_cast<int>(kind)];
        const bool small = kind == Kind::Peroxide || kind == Kind::BinaryAcid;
        EXPECT_GE(count[0] + count[1], small ? 5 : 15) << KindKey(kind);
        EXPECT_GE(count[0], kind == Kind::Complex ? 0 : 1)
            << KindKey(kind) << " has nothing for ZŠ";
    }
    EXPECT_EQ(counts[static_cast<int>(Kind::Complex)][0], 0) << "complexes are taught at SŠ";
    EXPECT_GE(counts[static_cast<int>(Kind::Complex)][1], 30);
    EXPECT_GE(*std::min_element(complexes, complexes + 4), 5) << "every shape of complex";
    const auto* oxides = counts[static_cast<int>(Kind::Oxide)];
    EXPECT_EQ(oxides[0] + oxides[1], 100);
    EXPECT_EQ(oxides[0], 39);
}

// The stem of the word that names an element: the word without its ending and
// without the numeral prefixes (dichroman, trihydrogenfosforečná, trisodný).
std::string Stem(std::string word, const NamedElement& element) {
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string prefix :
             {"di", "tri", "tetra", "hydrogen", "thio", "peroxo", "mono"}) {
            if (word.rfind(prefix, 0) == 0 && word.size() > prefix.size() + 3) {
                word = word.substr(prefix.size());
                cut = true;
            }
        }
    }
    const std::string ending = EndingIn(word, element.number, element.form);
    return ending.empty() ? "" : word.substr(0, word.size() - ending.size());
}

// One element at one oxidation number has the same accepted stems in every
// line: a variant accepted in one kind is accepted in all, a wrong stem in one
// line stands out against the others.
TEST(CompoundList, OneElementOneOxidationNumberOneSetOfStems) {
    std::map<std::pair<std::string, int>, std::map<std::set<std::string>, std::string>> stems;
    for (const Compound& compound : ListedCompounds()) {
        for (const NamedElement& element : NamedElements(compound)) {
            const auto ions = IonsOf(compound.formula, compound.kind);
            if (ions->complex && element.symbol == ions->complex->central) {
                continue; // its ligands stand before the stem
            }
            std::set<std::string> accepted;
            for (const std::string& name : compound.names) {
                const std::vector<std::string> words = Words(name);
                if (words.size() == Words(compound.Name()).size() &&
                    words.front() == Words(compound.Name()).front()) {
                    accepted.insert(Stem(words[element.word], element));
                }
            }
            EXPECT_EQ(accepted.count(""), 0u)
                << compound.formula << ": no ending of " << element.symbol << " " << element.number;
            stems[{element.symbol, element.number}].emplace(accepted, compound.formula);
        }
    }
    for (const auto& [element, lines] : stems) {
        std::string seen;
        for (const auto& [accepted, formula] : lines) {
            for (const std::string& stem : accepted) {
                seen += " " + stem;
            }
            seen += " (" + formula + ");";
        }
        EXPECT_EQ(lines.size(), 1u) << element.first << " " << element.second << ":" << seen;
    }
}

// The name of a line whose element the main window's table knows agrees with
// the window's: the same oxidation number.
TEST(CompoundList, OxidesAgreeWithTheMainWindow) {
    TraceCapture quiet;
    std::set<std::string> beyondTable;
    for (const Compound& compound : ListedCompounds()) {
        if (compound.kind != Kind::Oxide) {
            continue;
        }
        const std::optional<Ions> ions = IonsOf(compound.formula, Kind::Oxide);
        ASSERT_TRUE(ions) << compound.formula;
        const std::string& symbol = ions->cation.formula;
        if (chemistry::FindSymbolRow(chemistry::DialogElementTable, symbol) ==
            chemistry::kElementCount) {
            beyondTable.insert(symbol);
            continue;
        }
        const std::string named = chemistry::FormulaAnalyser(compound.formula);
        const std::size_t mark = named.find("mocný)");
        ASSERT_TRUE(named.rfind(compound.formula + " = oxid ", 0) == 0 &&
                    mark != std::string::npos && mark >= 2)
            << named;
        EXPECT_EQ(named[mark - 2] - '0', ions->cation.charge) << named;
    }
    EXPECT_EQ(beyondTable, (std::set<std::string>{"Br", "Cs", "Ga", "In", "Rb", "Sc", "Tl", "Xe"}));
}

TEST(CompoundList, ReaderNamesTheLineAndWhatIsWrongWithIt) {
    struct Case {
        std::string text;
        std::size_t compounds;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"", 0, {}},
        {"#", 0, {}},
        {"# x\tY\n\n", 0, {}},
        {"sůl\tNaNO3\tdusičnan sodný|dusičnan sodíku\tZŠ\r\n", 1, {}},
        {"oxid\tP2O5|P4O10\toxid fosforečný\tZŠ", 1, {}},
        {"\n#\nsůl\tNaNO3\tdusičnan sodný\tSŠ\r\noxidy\tCO\toxid uhelnatý\tZŠ",
         1,
         {"řádek 4: neznámá skupina „oxidy“"}},
        {"sůl\tNaNO3\tdusičnan sodný",
         0,
         {"řádek 1: místo 4 polí oddělených tabulátorem (skupina, vzorec, názvy, stupeň) "
          "jich má 3"}},
        {"sůl\tNa NO3\tdusičnan sodný\tZŠ", 0, {"řádek 1: vzorec je prázdný nebo obsahuje mezeru"}},
        {"oxid\tP2O5|\toxid\tZŠ", 0, {"řádek 1: vzorec je prázdný nebo obsahuje mezeru"}},
        {"sůl\tNaNO3\tdusičnan sodný|\tZŠ", 0, {"řádek 1: prázdný název"}},
        {"sůl\tNaNO3\tdusičnan sodný\tzš", 0, {"řádek 1: stupeň „zš“ není ZŠ ani SŠ"}},
        // A trivial name's systematic name: from another line, or its fifth field.
        {"triviální\tNaNO3\tchilský ledek\tZŠ\nsůl\tNaNO3\tdusičnan sodný\tZŠ", 2, {}},
        {"triviální\tNH3\tčpavek\tZŠ\tazan", 1, {}},
        {"triviální\tNH3\tčpavek\tZŠ\t", 0, {"řádek 1: prázdný systematický název"}},
        {"triviální\tNH3\tčpavek\tZŠ\noxidy\tCO\toxid uhelnatý\tZŠ",
         0,
         {"řádek 1: triviální název bez systematického: žádný řádek jiné skupiny nemá vzorec "
          "NH3 a páté pole chybí",
          "řádek 2: neznámá skupina „oxidy“"}},
        {"sůl\tNaNO3\tdusičnan sodný\tZŠ\tx",
         0,
         {"řádek 1: místo 4 polí oddělených tabulátorem (skupina, vzorec, názvy, stupeň) "
          "jich má 5"}},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer(c.text.begin(), c.text.end()); // no terminator to lean on
        const CompoundList list = ParseCompoundList(std::string_view(buffer.data(), buffer.size()));
        EXPECT_EQ(list.compounds.size(), c.compounds) << c.text;
        EXPECT_EQ(list.errors, c.errors) << c.text;
    }
    const Compound nitrate = ParseCompoundList(cases[3].text).compounds.at(0);
    EXPECT_EQ(nitrate.names, (std::vector<std::string>{"dusičnan sodný", "dusičnan sodíku"}));
    EXPECT_EQ(nitrate.level, Level::Primary);
    const Compound phosphorus = ParseCompoundList(cases[4].text).compounds.at(0);
    EXPECT_EQ(phosphorus.formula, "P2O5");
    EXPECT_EQ(phosphorus.molecular, std::vector<std::string>{"P4O10"});
    EXPECT_EQ(ParseCompoundList(cases[11].text).compounds.at(0).systematic, "dusičnan sodný");
}

// Formulas that the rules refuse, with the reason a pupil would be given.
TEST(CompoundList, RulesRefuseWhatNoSchoolNames) {
    const AnionCharges charges = AnionChargesOf(ListedCompounds());
    const char* const shape = "Vzorec nemá správný tvar: ";
    const std::tuple<Kind, std::string, std::string> cases[] = {
        {Kind::Oxide, "FeCl3", shape + std::string("oxid má tvar Na2O, CO2 nebo Fe2O3.")},
        {Kind::Oxide, "Fe3O4", "Oxidační čísla nevycházejí celá: takový vzorec být nemůže."},
        {Kind::Oxide, "OsO5", "Vyšlo by oxidační číslo vyšší než VIII: takový vzorec být nemůže."},
        {Kind::Hydroxide, "FeO3H3", shape + std::string("hydroxid má tvar NaOH nebo Fe(OH)3.")},
        {Kind::Sulfide, "FeCl3", shape + std::string("sulfid má tvar Na2S nebo CuS.")},
        {Kind::Halide, "NaCl2", "Kation Na má vždy náboj +1, podle vzorce by měl +2."},
        {Kind::Peroxide, "KO2", "Kation K má vždy náboj +1, podle vzorce by měl +2."},
        {Kind::BinaryAcid, "H2Cl", "Anion Cl má náboj -1, atomů H tedy musí být 1."},
        {Kind::BinaryAcid, "H2CN", "Skupina CN má náboj -1, atomů H tedy musí být 1."},
        {Kind::Halide, "KCNO",
         shape + std::string("halogenid má tvar NaCl nebo FeCl3 (F, Cl, Br, "
                             "I; také kyanid KCN).")},
        {Kind::Oxoacid, "HClO5",
         "Vyšlo by oxidační číslo vyšší než VIII: takový vzorec být nemůže."},
        {Kind::Salt, "K3(PO4)2", "Oxidační čísla nevycházejí celá: takový vzorec být nemůže."},
        {Kind::Salt, "Fe(MnO4)2",
         "Náboj aniontu MnO4 nelze určit: chybí jeho kyselina nebo jich je víc."},
    };
    for (const auto& [kind, formula, error] : cases) {
        const auto read = ReadFormula(formula);
        ASSERT_TRUE(read.formula) << formula;
        EXPECT_EQ(FindIons(*read.formula, kind, charges).error, error) << formula;
    }
}

} // namespace
