// What the teacher's preparation of a test decides without a window: the
// own choice drawn into variants, its texts, the worksheets of the variants.
#include "practice/Selection.h"
#include "practice/TestFile.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace practice;

namespace {

TEST(TestPrepare, ChosenCountAndShortfallInCzech) {
    const std::pair<int, const char*> counts[] = {
        {0, "Vybráno: 0 sloučenin"},  {1, "Vybráno: 1 sloučenina"}, {2, "Vybráno: 2 sloučeniny"},
        {4, "Vybráno: 4 sloučeniny"}, {5, "Vybráno: 5 sloučenin"},  {22, "Vybráno: 22 sloučenin"},
    };
    for (const auto& [chosen, text] : counts) {
        EXPECT_EQ(ChosenText(chosen), text);
    }
    struct Case {
        int chosen;
        int wanted;
        const char* text;
    };
    const Case cases[] = {
        {1, 10, "Vybrali jste jen 1 sloučeninu: test bude mít 1 otázku místo 10."},
        {3, 10, "Vybrali jste jen 3 sloučeniny: test bude mít 3 otázky místo 10."},
        {7, 20, "Vybrali jste jen 7 sloučenin: test bude mít 7 otázek místo 20."},
        {10, 10, ""},
        {12, 10, ""},
        {0, 10, ""}, // none chosen is asked for before
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChoiceShortfallText(c.chosen, c.wanted, "test"), c.text) << c.chosen;
    }
}

TEST(TestPrepare, VariantsOfTheOwnChoiceAskOnlyWhatWasTicked) {
    const Selection selection{{Kind::Oxide, Kind::Hydroxide, Kind::Salt}, Level::Primary};
    const auto all = CompoundsToChoose(selection, "", ListedCompounds());
    // Ticked out of the list's order: salts and hydroxides before oxides.
    std::vector<Compound> chosen;
    for (const Kind kind : {Kind::Salt, Kind::Oxide, Kind::Hydroxide}) {
        int taken = 0;
        for (const Compound& compound : all) {
            if (compound.kind == kind && taken < 4) {
                chosen.push_back(compound);
                ++taken;
            }
        }
    }
    ASSERT_EQ(chosen.size(), 12u);
    const auto groups = GroupsOf(chosen);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].front().compound.kind, Kind::Oxide) << "kinds in the dialog's order";
    EXPECT_EQ(groups[2].front().compound.kind, Kind::Salt);
    std::set<std::string> ticked;
    for (const Compound& compound : chosen) {
        ticked.insert(compound.formula);
    }
    struct Case {
        int count;
        std::size_t each; // questions in each variant
    };
    for (const Case c : {Case{6, 6}, Case{12, 12}, Case{20, 12}}) {
        const auto variants = DrawVariants(groups, c.count, Direction::Mixed, 3, 77);
        ASSERT_EQ(variants.size(), 3u);
        std::set<std::string> seen;
        for (const auto& variant : variants) {
            EXPECT_EQ(variant.size(), c.each) << c.count;
            std::map<Kind, int> kinds;
            for (const Question& question : variant) {
                EXPECT_EQ(ticked.count(question.compound.formula), 1u) << question.compound.formula;
                seen.insert(question.compound.formula);
                ++kinds[question.compound.kind];
            }
            EXPECT_EQ(kinds.size(), 3u) << "every ticked kind in every variant";
        }
        if (c.count == 6) {
            EXPECT_EQ(seen.size(), 12u) << "three variants of six spread over all twelve";
        }
    }
}

TEST(TestPrepare, VariantWorksheetsAreHeadedAndStandBesideTheTest) {
    const Compound iron{Kind::Oxide, "Fe2O3", {"oxid železitý"}};
    const std::string heading = VariantHeading("Oxidy – 8.A", 1);
    EXPECT_EQ(heading, "Oxidy – 8.A, varianta B");
    const std::string rtf = WorksheetRtf({{iron, Ask::Name}}, heading);
    const std::size_t page = rtf.find("\\page");
    EXPECT_LT(rtf.find("\\b Oxidy \\'96 8.A, varianta B\\par"), page);
    EXPECT_EQ(rtf.find("Pracovn\\'ed list: n\\'e1zvoslov\\'ed"), std::string::npos);
    EXPECT_GT(rtf.find("\\b \\'d8e\\'9aen\\'ed: Oxidy \\'96 8.A, varianta B\\par"), page);
    EXPECT_NE(rtf.find(RtfText("Jméno a příjmení")), std::string::npos);
    EXPECT_NE(WorksheetRtf({{iron, Ask::Name}}).find("Pracovn\\'ed list: n\\'e1zvoslov\\'ed"),
              std::string::npos)
        << "a worksheet of its own keeps its title";

    const std::pair<std::pair<const char*, int>, const char*> sheets[] = {
        {{"S:\\Chemie\\Oxidy 8.A.zemtest", 0}, "S:\\Chemie\\Oxidy 8.A - varianta A.rtf"},
        {{"C:\\a.b\\test", 3}, "C:\\a.b\\test - varianta D.rtf"},
        {{"C:\\a\\.zemtest", 1}, "C:\\a\\.zemtest - varianta B.rtf"},
    };
    for (const auto& [test, sheet] : sheets) {
        EXPECT_EQ(VariantSheetPath(test.first, test.second), sheet);
    }
    const std::pair<const char*, const char*> names[] = {
        {"Oxidy – 8.A", "Oxidy – 8.A.zemtest"},
        {"Soli: 9.B / 9.C?", "Soli 9.B 9.C.zemtest"},
        {"  CON ", "CON_.zemtest"},
    };
    for (const auto& [title, name] : names) {
        EXPECT_EQ(TestFileName(title), name);
    }
    EXPECT_EQ(SaveFailedText("a.zemtest", SaveFailure::MissingFolder, "Test"),
              "Test se nepodařilo uložit do souboru\r\na.zemtest\r\n\r\nSložka neexistuje. "
              "Vyberte jinou.");
}

} // namespace
