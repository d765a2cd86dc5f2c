// The compiled-in oxide list against the chemistry core, and the list reader
// on inputs at its edges.
#include "practice/Answers.h"
#include "practice/OxideList.h"

#include "chemistry/ElementTables.h"
#include "chemistry/FormulaAnalyser.h"
#include "tests/chemistry/TraceCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

using namespace practice;

namespace {

// The oxidation number in the analyser's name: "( 3 mocný)" or "(4-mocný)".
int NamedValence(const std::string& named) {
    const std::size_t mark = named.find("mocný)");
    if (mark == std::string::npos || mark < 2) {
        return 0;
    }
    const char digit = named[mark - 2];
    return digit >= '1' && digit <= '8' ? digit - '0' : 0;
}

// The list's own checks hold for every line; a line whose element the main
// window's table knows is named by the core with the same oxidation number.
TEST(OxideList, EveryOxideHasTheShapeAndEndingsOfItsOxidationNumber) {
    const OxideList list = ParseOxideList(OxideListText());
    EXPECT_TRUE(list.badLines.empty()) << "first bad line " << list.badLines.front();
    std::set<std::string> formulas, names, symbols, primarySymbols, beyondTable;
    int primary = 0;
    const chemistry::OxygenPartTable parts = chemistry::BuildOxygenPartTable();
    TraceCapture quiet;
    for (const Oxide& oxide : list.oxides) {
        SCOPED_TRACE(oxide.formula + " " + oxide.name);
        const auto split = SplitFormula(oxide.formula);
        ASSERT_TRUE(split);
        const int valence = 2 * split->oxygenCount / split->elementCount;
        ASSERT_TRUE(valence >= 1 && valence <= chemistry::kValenceCount);
        EXPECT_EQ(split->symbol + parts[valence - 1], oxide.formula) << "the smallest ratio";
        EXPECT_TRUE(formulas.insert(oxide.formula).second) << "twice";
        for (const std::string& molecule : oxide.molecular) {
            const auto multiple = SplitFormula(molecule);
            ASSERT_TRUE(multiple && multiple->symbol == split->symbol) << molecule;
            const int factor = multiple->elementCount / split->elementCount;
            EXPECT_TRUE(factor > 1 && multiple->elementCount == factor * split->elementCount &&
                        multiple->oxygenCount == factor * split->oxygenCount)
                << molecule;
            EXPECT_TRUE(formulas.insert(molecule).second) << "twice";
        }
        std::vector<std::string> all = oxide.otherNames;
        all.push_back(oxide.name);
        for (const std::string& name : all) {
            EXPECT_TRUE(names.insert(name).second) << "twice";
            EXPECT_EQ(name.rfind("oxid ", 0), 0u) << name;
            EXPECT_EQ(SuffixOf(name).valence, valence) << name;
        }
        symbols.insert(split->symbol);
        if (oxide.level == Level::Primary) {
            ++primary;
            primarySymbols.insert(split->symbol);
        }
        if (chemistry::FindSymbolRow(chemistry::DialogElementTable, split->symbol) ==
            chemistry::kElementCount) {
            beyondTable.insert(split->symbol);
            continue;
        }
        const std::string named = chemistry::FormulaAnalyser(oxide.formula);
        ASSERT_EQ(named.rfind(oxide.formula + " = oxid ", 0), 0u) << named;
        EXPECT_EQ(NamedValence(named), valence) << named;
    }
    EXPECT_EQ(list.oxides.size(), 100u);
    EXPECT_EQ(symbols.size(), 64u);
    EXPECT_EQ(beyondTable, (std::set<std::string>{"Br", "Cs", "Ga", "In", "Rb", "Sc", "Tl", "Xe"}));
    EXPECT_EQ(formulas.count("GeO"), 0u);
    EXPECT_TRUE(primary >= 30 && primary <= 45) << primary << " for primary school";
    for (const char* symbol : {"Fe", "Cu", "Zn", "Mn", "Cr", "Pb", "Ag", "Hg", "C", "S", "N"}) {
        EXPECT_EQ(primarySymbols.count(symbol), 1u) << symbol << " at primary school";
    }
    EXPECT_EQ(AtLevel(list.oxides, Level::Primary).size(), static_cast<size_t>(primary));
    EXPECT_EQ(AtLevel(list.oxides, Level::Secondary).size(), list.oxides.size());
}

// Formulas and names that schools use beside the list's own count as right.
TEST(OxideList, AcceptsTheMoleculesAndSpellingsInUse) {
    const OxideList list = ParseOxideList(OxideListText());
    const std::tuple<std::string, Ask, std::string, Grade> cases[] = {
        {"P2O5", Ask::Formula, "P4O10", Grade::RightMolecular},
        {"P2O3", Ask::Formula, "P4O6", Grade::RightMolecular},
        {"As2O3", Ask::Formula, "As4O6", Grade::RightMolecular},
        {"Sb2O3", Ask::Formula, "Sb4O6", Grade::RightMolecular},
        {"NO2", Ask::Formula, "N2O4", Grade::RightMolecular},
        {"BeO", Ask::Name, "oxid beryllnatý", Grade::Right},
        {"BeO", Ask::Name, "oxid berylnatý", Grade::RightVariant},
        {"As2O3", Ask::Name, "oxid arzenitý", Grade::RightVariant},
        {"As2O5", Ask::Name, "oxid arzeničný", Grade::RightVariant},
        {"TeO2", Ask::Name, "oxid teluričitý", Grade::RightVariant},
        {"TeO3", Ask::Name, "oxid telurový", Grade::RightVariant},
    };
    for (const auto& [formula, ask, answer, grade] : cases) {
        const auto oxide = std::find_if(list.oxides.begin(), list.oxides.end(),
                                        [&](const Oxide& o) { return o.formula == formula; });
        ASSERT_NE(oxide, list.oxides.end()) << formula;
        EXPECT_EQ(Assess({*oxide, ask}, answer).grade, grade) << answer;
    }
}

std::vector<char> Bytes(const std::string& text) {
    return std::vector<char>(text.begin(), text.end());
}

TEST(OxideList, ReaderKeepsOxidesAndReportsBadLines) {
    struct Case {
        std::string text;
        size_t oxides;
        std::vector<int> bad;
    };
    const Case cases[] = {
        {"", 0, {}},
        {"\n", 0, {}},
        {"#", 0, {}},
        {"CO\toxid uhelnatý\tZŠ", 1, {}},
        {"CO\toxid uhelnatý\tZŠ\r\n\r\n# x\tY\nSO3|S3O9\toxid sírový|x\tSŠ\r", 2, {}},
        {"CO", 0, {1}},
        {"CO\t", 0, {1}},
        {"\toxid\tZŠ", 0, {1}},
        {"C O\toxid\tZŠ\nCO\ta\tb\tZŠ\n\r", 0, {1, 2}},
        {"CO\toxid uhelnatý", 0, {1}},
        {"CO\toxid uhelnatý\t", 0, {1}},
        {"CO\toxid uhelnatý\tZŠ ", 0, {1}},
        {"CO|\toxid\tZŠ\nCO\t|oxid\tSŠ\nCO\toxid||x\tSŠ", 0, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer = Bytes(c.text); // exact size: no terminator to lean on
        const OxideList list = ParseOxideList(std::string_view(buffer.data(), buffer.size()));
        EXPECT_EQ(list.oxides.size(), c.oxides) << c.text;
        EXPECT_EQ(list.badLines, c.bad) << c.text;
    }
}

} // namespace
