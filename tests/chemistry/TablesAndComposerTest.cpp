#include "chemistry/ElementTables.h"
#include "chemistry/FormulaComposer.h"

#include <gtest/gtest.h>

#include <set>

using namespace chemistry;

namespace {

TEST(Tables, InstancesDifferOnlyInSulphurStem) {
    for (int row = 0; row < kElementCount; ++row) {
        EXPECT_EQ(AnalyserElementTable.symbol[row], DialogElementTable.symbol[row]) << row;
        if (row != 17) {
            EXPECT_EQ(AnalyserElementTable.stem[row], DialogElementTable.stem[row]) << row;
        }
    }
    EXPECT_EQ(AnalyserElementTable.stem[17], "siřič");
    EXPECT_EQ(DialogElementTable.stem[17], "sir");
    EXPECT_EQ(AnalyserSuffixTable, DialogSuffixTable);
}

TEST(Tables, RowsAreDistinctAndWellFormed) {
    std::set<std::string> symbols(DialogElementTable.symbol.begin(),
                                  DialogElementTable.symbol.end());
    std::set<std::string> stems(DialogElementTable.stem.begin(), DialogElementTable.stem.end());
    EXPECT_EQ(symbols.size(), static_cast<size_t>(kElementCount));
    EXPECT_EQ(stems.size(), static_cast<size_t>(kElementCount));
    for (const std::string& symbol : DialogElementTable.symbol) {
        ASSERT_GE(symbol.size(), 1u);
        ASSERT_LE(symbol.size(), 2u);
        EXPECT_TRUE(symbol[0] >= 'A' && symbol[0] <= 'Z') << symbol;
        // Only osmium begins with O; the analyser relies on it.
        EXPECT_TRUE(symbol[0] != 'O' || symbol == "Os") << symbol;
    }
    EXPECT_EQ(symbols.count("O"), 0u);
    EXPECT_EQ(DialogElementTable.symbol[0] + DialogElementTable.stem[0], "Feželez");
    EXPECT_EQ(DialogElementTable.symbol[26], "Os");
    EXPECT_EQ(DialogElementTable.symbol[55] + DialogElementTable.stem[55], "Hvod");
    EXPECT_EQ(DialogElementTable.symbol[56] + DialogElementTable.stem[56], "Mghořč");
}

TEST(Tables, SuffixesAndOxygenPartsByValence) {
    const SuffixTable expectedSuffixes = {"ný",   "natý", "itý",  "ičitý",
                                          "ičný", "ový",  "istý", "ičelý"};
    EXPECT_EQ(DialogSuffixTable, expectedSuffixes);
    const OxygenPartTable expectedParts = {"2O", "O", "2O3", "O2", "2O5", "O3", "2O7", "O4"};
    EXPECT_EQ(BuildOxygenPartTable(), expectedParts);
    for (const std::string& suffix : DialogSuffixTable) {
        EXPECT_EQ(static_cast<unsigned char>(suffix.back()), 0xFDu) << "ends in ý (cp1250)";
    }
}

TEST(Tables, LookupsAreExactAndReportMisses) {
    EXPECT_EQ(FindSymbolRow(AnalyserElementTable, "Fe"), 0);
    EXPECT_EQ(FindSymbolRow(AnalyserElementTable, "fe"), kElementCount);
    EXPECT_EQ(FindSymbolRow(AnalyserElementTable, ""), kElementCount);
    EXPECT_EQ(FindStemRow(DialogElementTable, "hořč"), 56);
    EXPECT_EQ(FindStemRow(DialogElementTable, "želez "), kElementCount);
    EXPECT_EQ(FindSuffixRow(DialogSuffixTable, "ičelý"), 7);
    EXPECT_EQ(FindSuffixRow(DialogSuffixTable, "ITÝ"), kValenceCount);
}

struct Composition {
    const char* name;
    const char* suffix;
    const char* formula;
};

// Names the case in test listings: its texts, bytes outside ASCII shown as '?',
// so test names stay the same from build to build.
void PrintTo(const Composition& c, std::ostream* os) {
    for (const char* text : {c.name, "+", c.suffix}) {
        for (const char* p = text; *p != '\0'; ++p) {
            *os << (static_cast<unsigned char>(*p) < 0x80 ? *p : '?');
        }
    }
}

class Composer : public testing::TestWithParam<Composition> {};

TEST_P(Composer, ComposesFormula) {
    const Composition& c = GetParam();
    EXPECT_EQ(FormulaComposer(c.name, c.suffix), c.formula);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, Composer,
    testing::Values(Composition{"želez", "itý", "Fe2O3"}, Composition{"sir", "ový", "SO3"},
                    Composition{"sir", "ičitý", "SO2"}, Composition{"vod", "ný", "H2O"},
                    Composition{"uhel", "natý", "CO"}, Composition{"uhel", "ičitý", "CO2"},
                    Composition{"dus", "ičný", "N2O5"}, Composition{"chlor", "istý", "Cl2O7"},
                    Composition{"osm", "ičelý", "OsO4"}, Composition{"zlat", "ičelý", "AuO4"},
                    Composition{"hořč", "ný", "Mg2O"}));

// Texts typed into the editable lists that match no row get a clear answer.
INSTANTIATE_TEST_SUITE_P(UnknownTexts, Composer,
                         testing::Values(Composition{"siřič", "ový", kUnknownNameText},
                                         Composition{"Zelez", "itý", kUnknownNameText},
                                         Composition{"želez ", "itý", kUnknownNameText},
                                         Composition{"želez", "ITÝ", kUnknownSuffixText},
                                         Composition{"xyz", "abc", kUnknownNameText}));

} // namespace
