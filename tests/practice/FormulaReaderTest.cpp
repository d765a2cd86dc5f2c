// The formula reader at its edges, each input in a heap buffer of its exact
// size: what it reads is written back unchanged, the rest gets its message.
#include "practice/FormulaReader.h"

#include <gtest/gtest.h>

using namespace practice;

namespace {

TEST(FormulaReader, ReadsTheShapesItKnowsAndNamesWhatIsWrong) {
    struct Case {
        std::string text;
        std::size_t groups; // when read
        std::string error;  // when not
    };
    const std::string longest = "CH2CH2CH2CH2CH2CH2CH2CH2CH2CH2";
    const Case cases[] = {
        {"", 0, "Vzorec je prázdný."},
        {"F", 1, ""},
        {"f", 0, "„f“: značka prvku začíná velkým písmenem."},
        {"(", 0, "Chybí zavírací závorka."},
        {")", 0, "Zavírací závorka nemá otevírací."},
        {"2", 0, "Číslo „2“ nestojí za značkou prvku ani za závorkou."},
        {"é", 0, "Znak „é“ do vzorce nepatří."},
        {std::string(1, '\0'), 0, "Neplatný znak ve vzorci."},
        {"Ca3(PO4)2", 2, ""},
        {"Fe(OH)3", 2, ""},
        {"FeO3H3", 3, ""},
        {"(NH4)2SO4", 3, ""},
        {"Co", 1, ""},
        {"CO", 2, ""},
        {longest, 20, ""},
        {longest + "H", 0, "Vzorec je delší než 30 znaků."},
        {"Ca3(PO4", 0, "Chybí zavírací závorka."},
        {"Ca3(P(O4))2", 0, "Závorky se do sebe nevnořují."},
        {"Ca3()2", 0, "Závorka je prázdná."},
        {"Fe(OH)", 0, "Za závorkou chybí počet."},
        {"Fe(OH)1", 0, "Jednička se ve vzorci nepíše."},
        {"Fe1O", 0, "Jednička se ve vzorci nepíše."},
        {"Fe2O0", 0, "Počet nemůže být 0."},
        {"Fe(OH)00", 0, "Počet nemůže být 0."},
        {"Fe02O3", 0, "Počet „02“ se píše bez nuly na začátku."},
        {"C100", 0, "Počet „100“ je příliš velký."},
        {"fe2o3", 0, "„f“: značka prvku začíná velkým písmenem."},
        {"Xy2", 0, "„Xy“ není značka prvku."},
        {"Fe2 O3", 0, "Znak „ “ do vzorce nepatří."},
        {"CuSO4·5H2O", 3, ""},
        {"CuSO4·H2O", 3, ""},
        {"·H2O", 0, "Vzorec nezačíná tečkou: tečka odděluje vodu hydrátu, CuSO4·5H2O."},
        {"CuSO4·", 0, "Za tečkou chybí voda: CuSO4·5H2O."},
        {"CuSO4·5", 0, "Za tečkou smí stát jen počet molekul vody a H2O: CuSO4·5H2O."},
        {"CuSO4·5H2O·H2O", 0, "Za tečkou smí stát jen počet molekul vody a H2O: CuSO4·5H2O."},
        {"CuSO4·1H2O", 0, "Jednička se ve vzorci nepíše."},
        {"Cu(SO4·5H2O)", 0, "Znak „·“ do vzorce nepatří."},
        {"K4[Fe(CN)6]", 2, ""},
        {"[Co(NH3)5Cl]Cl2", 2, ""},
        {"Fe4[Fe(CN)6]3", 2, ""},
        {"[Ni(CO)4]", 1, ""},
        {"K4[Fe(CN)6", 0, "Chybí zavírací hranatá závorka."},
        {"K4Fe(CN)6]", 0, "Zavírací hranatá závorka nemá otevírací."},
        {"[]", 0, "Hranatá závorka je prázdná."},
        {"[Fe[CN]6]", 0, "Hranaté závorky se do sebe nevnořují."},
        {"[Fe(CN]6)", 0, "Hranatá závorka nepatří do kulaté: K4[Fe(CN)6]."},
        {"[Fe(CN)]", 0, "Za závorkou chybí počet."},
        {"[Fe)", 0, "Zavírací závorka nemá otevírací."},
        {"[Fe]1", 0, "Jednička se ve vzorci nepíše."},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer(c.text.begin(), c.text.end());
        const FormulaReading read = ReadFormula(std::string_view(buffer.data(), buffer.size()));
        EXPECT_EQ(read.error, c.error) << c.text;
        if (read.formula) {
            EXPECT_EQ(read.formula->groups.size(), c.groups) << c.text;
            EXPECT_EQ(WriteFormula(*read.formula), c.text);
        }
    }
    for (const char* typed : {"CuSO4*5H2O", "CuSO4.5H2O"}) {
        const auto hydrate = ReadFormula(typed).formula;
        ASSERT_TRUE(hydrate) << typed;
        EXPECT_EQ(WriteFormula(*hydrate), "CuSO4·5H2O");
        EXPECT_EQ(CountAtoms(*hydrate),
                  (std::map<std::string, int>{{"Cu", 1}, {"H", 10}, {"O", 9}, {"S", 1}}));
    }
    EXPECT_EQ(CountAtoms(*ReadFormula("Fe4[Fe(CN)6]3").formula),
              (std::map<std::string, int>{{"C", 18}, {"Fe", 7}, {"N", 18}}));
    const auto hydroxide = ReadFormula("Fe(OH)3").formula;
    EXPECT_EQ(CountAtoms(*hydroxide), CountAtoms(*ReadFormula("FeO3H3").formula));
    EXPECT_EQ(CountAtoms(*hydroxide), (std::map<std::string, int>{{"Fe", 1}, {"H", 3}, {"O", 3}}));
}

} // namespace
