// The compiled-in oxide list against the chemistry core, and the list reader
// on inputs at its edges.
#include "practice/Answers.h"
#include "practice/OxideList.h"

#include "chemistry/ElementTables.h"
#include "chemistry/FormulaAnalyser.h"
#include "tests/chemistry/TraceCapture.h"

#include <gtest/gtest.h>

#include <set>

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

TEST(OxideList, EveryOxideIsNamedByTheCoreWithTheValenceOfItsSuffix) {
    const OxideList list = ParseOxideList(OxideListText());
    EXPECT_TRUE(list.badLines.empty()) << "first bad line " << list.badLines.front();
    EXPECT_GE(list.oxides.size(), 80u);
    std::set<std::string> formulas, names, symbols;
    const chemistry::OxygenPartTable parts = chemistry::BuildOxygenPartTable();
    TraceCapture quiet;
    for (const Oxide& oxide : list.oxides) {
        SCOPED_TRACE(oxide.formula + " " + oxide.name);
        EXPECT_TRUE(formulas.insert(oxide.formula).second) << "twice";
        EXPECT_TRUE(names.insert(oxide.name).second) << "twice";
        EXPECT_EQ(oxide.name.rfind("oxid ", 0), 0u);
        const std::string named = chemistry::FormulaAnalyser(oxide.formula);
        ASSERT_EQ(named.rfind(oxide.formula + " = oxid ", 0), 0u) << named;
        const int valence = NamedValence(named);
        EXPECT_EQ(SuffixOf(oxide.name).valence, valence) << named;
        const auto split = SplitFormula(oxide.formula);
        ASSERT_TRUE(split && valence > 0);
        EXPECT_EQ(split->symbol + parts[valence - 1], oxide.formula) << "the composer's shape";
        symbols.insert(split->symbol);
    }
    EXPECT_GE(symbols.size(), 50u);
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
        {"CO\toxid uhelnatý", 1, {}},
        {"CO\toxid uhelnatý\r\n\r\n# x\tY\nSO3\toxid sírový\r", 2, {}},
        {"CO", 0, {1}},
        {"CO\t", 0, {1}},
        {"\toxid", 0, {1}},
        {"C O\toxid\nCO\ta\tb\n\r", 0, {1, 2}},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer = Bytes(c.text); // exact size: no terminator to lean on
        const OxideList list = ParseOxideList(std::string_view(buffer.data(), buffer.size()));
        EXPECT_EQ(list.oxides.size(), c.oxides) << c.text;
        EXPECT_EQ(list.badLines, c.bad) << c.text;
    }
}

} // namespace
