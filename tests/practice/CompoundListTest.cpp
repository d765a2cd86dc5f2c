// Every line of the compiled-in compound list against the rules: its formula
// reads, is reduced, its charges sum to zero, and the name made from its
// oxidation numbers is the one listed. Then the list reader's and the rules'
// refusals.
#include "practice/CompoundList.h"
#include "practice/Naming.h"
#include "practice/OxidationNumbers.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

using namespace practice;

namespace {

TEST(CompoundList, EveryCompoundIsNamedByTheRules) {
    const CompoundList list = ParseCompoundList(CompoundListText());
    EXPECT_TRUE(list.errors.empty()) << list.errors.front();
    EXPECT_GE(list.compounds.size(), 120u);
    const AnionCharges charges = AnionChargesOf(list.compounds);
    std::set<std::string> formulas, names;
    int counts[kCategoryCount][2] = {};
    for (const Compound& compound : list.compounds) {
        SCOPED_TRACE(compound.formula + " " + compound.names.front());
        ++counts[static_cast<int>(compound.category)][static_cast<int>(compound.level)];
        EXPECT_TRUE(formulas.insert(compound.formula).second) << "twice";
        for (const std::string& name : compound.names) {
            EXPECT_TRUE(names.insert(name).second) << name << " twice";
        }
        const FormulaReading read = ReadFormula(compound.formula);
        const IonsReading found = read.formula ? FindIons(*read.formula, compound.category, charges)
                                               : IonsReading{std::nullopt, read.error};
        if (!found.ions) {
            ADD_FAILURE() << found.error;
            continue;
        }
        const Ions& ions = *found.ions;
        EXPECT_EQ(std::gcd(ions.cation.count, ions.anion.count), 1) << "not reduced";
        EXPECT_EQ(ions.cation.count * ions.cation.charge + ions.anion.count * ions.anion.charge, 0);
        const int hydrogens = ions.anion.formula == "OH" ? 1 : 0;
        EXPECT_EQ(ions.atoms * ions.oxidation - 2 * ions.oxygens + hydrogens, ions.anion.charge);
        EXPECT_EQ(CompoundName(compound.category, ions), compound.names.front());
    }
    for (int category = 0; category < kCategoryCount; ++category) {
        const int total = counts[category][0] + counts[category][1];
        const auto which = static_cast<Category>(category);
        const bool small = which == Category::Peroxide || which == Category::BinaryAcid;
        EXPECT_GE(total, small ? 5 : 15) << CategoryKey(which);
        EXPECT_GE(counts[category][0], 1) << CategoryKey(which) << " has nothing for ZŠ";
    }
}

TEST(CompoundList, ReaderNamesTheLineAndWhatIsWrongWithIt) {
    struct Case {
        std::string text;
        std::size_t compounds;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"", 0, {}},
        {"# x\tY\n\n", 0, {}},
        {"sůl\tNaNO3\tdusičnan sodný|dusičnan sodíku\tZŠ\r\n", 1, {}},
        {"\n#\nsůl\tNaNO3\tdusičnan sodný\tSŠ\r\noxid\tCO\toxid uhelnatý\tZŠ",
         1,
         {"řádek 4: neznámá skupina „oxid“"}},
        {"sůl\tNaNO3\tdusičnan sodný",
         0,
         {"řádek 1: místo 4 polí oddělených tabulátorem (skupina, vzorec, názvy, stupeň) "
          "jich má 3"}},
        {"sůl\tNa NO3\tdusičnan sodný\tZŠ", 0, {"řádek 1: vzorec je prázdný nebo obsahuje mezeru"}},
        {"sůl\tNaNO3\tdusičnan sodný|\tZŠ", 0, {"řádek 1: prázdný název"}},
        {"sůl\tNaNO3\tdusičnan sodný\tzš", 0, {"řádek 1: stupeň „zš“ není ZŠ ani SŠ"}},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer(c.text.begin(), c.text.end());
        const CompoundList list = ParseCompoundList(std::string_view(buffer.data(), buffer.size()));
        EXPECT_EQ(list.compounds.size(), c.compounds) << c.text;
        EXPECT_EQ(list.errors, c.errors) << c.text;
    }
    const Compound nitrate = ParseCompoundList(cases[2].text).compounds.at(0);
    EXPECT_EQ(nitrate.names, (std::vector<std::string>{"dusičnan sodný", "dusičnan sodíku"}));
    EXPECT_EQ(nitrate.level, Level::Primary);
}

// Formulas that the rules refuse, with the reason a pupil would be given.
TEST(CompoundList, RulesRefuseWhatNoSchoolNames) {
    const AnionCharges charges = AnionChargesOf(ParseCompoundList(CompoundListText()).compounds);
    const char* const shape = "Vzorec nemá správný tvar: ";
    const std::tuple<Category, std::string, std::string> cases[] = {
        {Category::Hydroxide, "FeO3H3", shape + std::string("hydroxid má tvar NaOH nebo Fe(OH)3.")},
        {Category::Sulfide, "FeCl3", shape + std::string("sulfid má tvar Na2S nebo CuS.")},
        {Category::Halide, "NaCl2", "Kation Na má vždy náboj +1, podle vzorce by měl +2."},
        {Category::Peroxide, "KO2", "Kation K má vždy náboj +1, podle vzorce by měl +2."},
        {Category::BinaryAcid, "H2Cl", "Anion Cl má náboj -1, atomů H tedy musí být 1."},
        {Category::Oxoacid, "HClO5",
         "Vyšlo by oxidační číslo vyšší než VIII: takový vzorec být nemůže."},
        {Category::Salt, "K3(PO4)2", "Oxidační čísla nevycházejí celá: takový vzorec být nemůže."},
        {Category::Salt, "Fe(MnO4)2",
         "Náboj aniontu MnO4 nelze určit: chybí jeho kyselina nebo jich je víc."},
    };
    for (const auto& [category, formula, error] : cases) {
        EXPECT_EQ(FindIons(*ReadFormula(formula).formula, category, charges).error, error)
            << formula;
    }
}

} // namespace
