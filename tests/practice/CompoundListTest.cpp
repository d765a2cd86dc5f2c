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

} // namespace
