// Grading, explanations, rounds and the worksheet text, window-free.
#include "practice/Round.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <set>

using namespace practice;

namespace {

const Oxide kIron = {"Fe2O3", "oxid železitý"};
const Oxide kPhosphorus = {"P2O5", "oxid fosforečný", Level::Primary, {}, {"P4O10"}};
const Oxide kCarbon = {"CO", "oxid uhelnatý"};
const Oxide kCarbonDioxide = {"CO2", "oxid uhličitý"};
const Oxide kBeryllium = {"BeO", "oxid beryllnatý", Level::Secondary, {"oxid berylnatý"}};

TEST(Practice, AnswerChecks) {
    const std::string reduce = "Vzorec se krátí na nejmenší poměr: ";
    struct Case {
        Oxide oxide;
        Ask ask;
        std::string answer;
        Grade grade;
        std::string note = "";
    };
    const Case cases[] = {
        {kIron, Ask::Name, "oxid železitý", Grade::Right},
        {kIron, Ask::Name, "  Oxid \t ŽELEZITÝ ", Grade::Right},
        {kIron, Ask::Name, "oxid zelezity", Grade::RightSpelling, "oxid železitý"},
        {kIron, Ask::Name, "OXID ZELEZITÝ", Grade::RightSpelling, "oxid železitý"},
        {kIron, Ask::Name, "oxid železnatý", Grade::Wrong},
        {kIron, Ask::Name, "oxid železítý", Grade::Wrong}, // a wrong accent is no missing one
        {kIron, Ask::Name, "oxidželezitý", Grade::Wrong},
        {kIron, Ask::Name, " \t ", Grade::Empty},
        {kIron, Ask::Name, "železitý oxid", Grade::Wrong, "Název oxidu začíná slovem „oxid“."},
        {kIron, Ask::Name, "oxid železitý.", Grade::Right},
        {kIron, Ask::Name, "oxid železitý ;", Grade::Right},
        {kIron, Ask::Name, "oxid\xA0železitý", Grade::Right},
        {kIron, Ask::Name, " . ", Grade::Empty},
        {kBeryllium, Ask::Name, "oxid berylnatý", Grade::RightVariant},
        {kBeryllium, Ask::Name, "oxid berylnaty", Grade::RightSpelling, "oxid berylnatý"},
        {kIron, Ask::Formula, "Fe2O3", Grade::Right},
        {kIron, Ask::Formula, " Fe2 O 3 ", Grade::Right},
        {kIron, Ask::Formula, "Fe2O3,", Grade::Right},
        {kIron, Ask::Formula, "Fe2O3\xA0", Grade::Right},
        {kIron, Ask::Formula, "fe2o3", Grade::Wrong},
        {kIron, Ask::Formula, "Fe4O6", Grade::Wrong, reduce + "Fe4O6 se píše Fe2O3."},
        {kCarbon, Ask::Formula, "C2O2", Grade::Wrong, reduce + "C2O2 se píše CO."},
        {{"NO", "oxid dusnatý"}, Ask::Formula, "N2O2", Grade::Wrong, reduce + "N2O2 se píše NO."},
        {{"Na2O", "oxid sodný"},
         Ask::Formula,
         "Na4O2",
         Grade::Wrong,
         reduce + "Na4O2 se píše Na2O."},
        {{"ClO2", "oxid chloričitý"},
         Ask::Formula,
         "Cl2O4",
         Grade::Wrong,
         reduce + "Cl2O4 se píše ClO2."},
        {kIron, Ask::Formula, "Fe3O4", Grade::Wrong},
        {kIron, Ask::Formula, "Fe2O6", Grade::Wrong},
        {kIron, Ask::Formula, "Fe04O6", Grade::Wrong},
        {kIron, Ask::Formula, "Fe4000O6000", Grade::Wrong},
        {kIron, Ask::Formula, "Fe203", Grade::Wrong,
         "Místo písmene O je tu nula: Fe2O3, ne Fe203."},
        {{"FeO", "oxid železnatý"},
         Ask::Formula,
         "Fe1O1",
         Grade::Wrong,
         "Jednička se ve vzorci nepíše: FeO, ne Fe1O1."},
        {{"FeO", "oxid železnatý"},
         Ask::Formula,
         "FeO1",
         Grade::Wrong,
         "Jednička se ve vzorci nepíše: FeO, ne FeO1."},
        {kPhosphorus, Ask::Formula, "P4O10", Grade::RightMolecular},
        {kPhosphorus, Ask::Formula, "P8O20", Grade::Wrong, reduce + "P8O20 se píše P2O5."},
        {kCarbon, Ask::Formula, "Co", Grade::Wrong},
        {kCarbonDioxide, Ask::Formula, "C1O2", Grade::Wrong,
         "Jednička se ve vzorci nepíše: CO2, ne C1O2."},
        {kCarbonDioxide, Ask::Formula, "CO2O", Grade::Wrong},
        {kCarbon, Ask::Formula, "", Grade::Empty},
    };
    for (const Case& c : cases) {
        const Assessment assessment = Assess({c.oxide, c.ask}, c.answer);
        EXPECT_EQ(assessment.grade, c.grade) << c.answer;
        EXPECT_EQ(assessment.note, c.note) << c.answer;
    }
}

TEST(Practice, Explanations) {
    const std::string sum =
        "Součet oxidačních čísel v oxidu je nula. Kyslík má oxidační číslo -II: ";
    struct Case {
        Oxide oxide;
        Ask ask;
        std::string text;
    };
    const Case cases[] = {
        {kIron, Ask::Name,
         sum + "tři atomy O dávají dohromady -6, dva atomy Fe tedy +6, každý z nich má oxidační "
               "číslo III; tomu odpovídá koncovka -itý."},
        {kCarbon, Ask::Name,
         sum + "jeden atom O dává -2, atom C tedy +2, to je oxidační číslo II; tomu odpovídá "
               "koncovka -natý."},
        {kPhosphorus, Ask::Name,
         sum + "pět atomů O dává dohromady -10, dva atomy P tedy +10, každý z nich má oxidační "
               "číslo V; tomu odpovídá koncovka -ečný."},
        {{"N2O5", "?"},
         Ask::Name,
         sum + "pět atomů O dává dohromady -10, dva atomy N tedy +10, každý z nich má oxidační "
               "číslo V; tomu odpovídá koncovka -ičný."},
        {kIron, Ask::Formula,
         "Koncovka -itý znamená oxidační číslo III. Fe(III) a O(-II): nejmenší společný násobek "
         "čísel 3 a 2 je 6, tedy 2 atomy Fe a 3 atomy O: Fe2O3."},
        {{"SO3", "oxid sírový"},
         Ask::Formula,
         "Koncovka -ový znamená oxidační číslo VI. S(VI) a O(-II): nejmenší společný násobek "
         "čísel 6 a 2 je 6, tedy 1 atom S a 3 atomy O: SO3."},
        {kPhosphorus, Ask::Formula,
         "Koncovka -ečný znamená oxidační číslo V. P(V) a O(-II): nejmenší společný násobek "
         "čísel 5 a 2 je 10, tedy 2 atomy P a 5 atomů O: P2O5."},
        {{"Fe3O4", "oxid železnato-železitý"}, Ask::Name, ""},
        {{"", "?"}, Ask::Formula, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Explanation(c.oxide, c.ask), c.text) << c.oxide.formula;
    }
}

std::vector<Oxide> Oxides(int count) {
    std::vector<Oxide> oxides;
    for (int i = 1; i <= count; ++i) {
        oxides.push_back({"X" + std::to_string(i) + "O", "oxid " + std::to_string(i)});
    }
    return oxides;
}

std::vector<std::string> Formulas(const std::vector<Question>& questions) {
    std::vector<std::string> formulas;
    for (const Question& question : questions) {
        formulas.push_back(question.oxide.formula);
    }
    return formulas;
}

TEST(Practice, RoundsAreDrawnWithoutRepeatsAndFromTheSeed) {
    const std::vector<Oxide> oxides = Oxides(40);
    const auto round = DrawRound(oxides, 20, Direction::Mixed, 7);
    const auto formulas = Formulas(round);
    EXPECT_EQ(std::set<std::string>(formulas.begin(), formulas.end()).size(), 20u);
    EXPECT_EQ(Formulas(DrawRound(oxides, 20, Direction::Mixed, 7)), formulas);
    EXPECT_NE(Formulas(DrawRound(oxides, 20, Direction::Mixed, 8)), formulas);
    std::set<Ask> asks;
    for (const Question& question : round) {
        asks.insert(question.ask);
    }
    EXPECT_EQ(asks.size(), 2u) << "a mixed round asks both ways";
    EXPECT_EQ(DrawRound(oxides, 5, Direction::NameToFormula, 1).back().ask, Ask::Formula);
    EXPECT_EQ(DrawRound(oxides, 50, Direction::FormulaToName, 1).size(), 40u);
    EXPECT_EQ(DrawRound(std::vector<Oxide>{}, 10, Direction::Mixed, 1).size(), 0u);
    const auto again = Formulas(Shuffled(round, 3));
    EXPECT_EQ(std::multiset<std::string>(again.begin(), again.end()),
              std::multiset<std::string>(formulas.begin(), formulas.end()));
}

TEST(Practice, RoundKeepsScoreAndMistakes) {
    Round round({{kIron, Ask::Name}, {kCarbon, Ask::Formula}, {kPhosphorus, Ask::Formula}});
    EXPECT_EQ(round.ProgressText(), "Otázka 1 z 3, správně 0");
    EXPECT_FALSE(round.Begun());
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napiš název oxidu: Fe2O3");
    EXPECT_EQ(round.Answer("  ").text, "Napiš odpověď a stiskni Enter.");
    EXPECT_FALSE(round.Begun()) << "an empty answer is no answer";
    EXPECT_EQ(round.Answer("oxid zelezity").text,
              "Fe2O3: správně, jen se píše s diakritikou: oxid železitý.");
    EXPECT_TRUE(round.Begun());
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napiš vzorec oxidu: oxid uhelnatý");
    const Verdict wrong = round.Answer("C2O2");
    EXPECT_EQ(wrong.grade, Grade::Wrong);
    EXPECT_EQ(wrong.text, "oxid uhelnatý: špatně, správně je CO.\r\nVzorec se krátí na nejmenší "
                          "poměr: C2O2 se píše CO.\r\n" +
                              Explanation(kCarbon, Ask::Formula));
    EXPECT_EQ(round.ProgressText(), "Otázka 3 z 3, správně 1");
    EXPECT_EQ(round.Answer("P4O10").text, "oxid fosforečný: správně, obvykle se píše P2O5.");
    EXPECT_TRUE(round.Finished());
    EXPECT_FALSE(round.Begun());
    EXPECT_EQ(round.ProgressText(), "Konec kola, správně 2");
    EXPECT_EQ(round.ScoreText(), "Výsledek: 2 z 3");
    EXPECT_EQ(round.MistakesText(), "oxid uhelnatý: odpověď „C2O2“, správně CO");
    ASSERT_EQ(round.MistakeQuestions().size(), 1u);
    EXPECT_EQ(round.MistakeQuestions()[0].ask, Ask::Formula);
}

TEST(Practice, RtfTextAndFileNames) {
    EXPECT_EQ(RtfText("Řešení {a\\b}"), "\\'d8e\\'9aen\\'ed \\{a\\\\b\\}");
    const std::pair<std::string, std::string> names[] = {
        {"C:\\listy\\oxidy", "C:\\listy\\oxidy.rtf"},
        {"C:\\listy.v1\\oxidy", "C:\\listy.v1\\oxidy.rtf"},
        {"C:\\listy\\oxidy.doc", "C:\\listy\\oxidy.doc.rtf"},
        {"C:\\listy\\8.A", "C:\\listy\\8.A.rtf"},
        {"C:\\listy\\8.A.RTF", "C:\\listy\\8.A.RTF"},
        {"oxidy", "oxidy.rtf"},
        {"D:oxidy.rtf", "D:oxidy.rtf"},
    };
    for (const auto& [given, saved] : names) {
        EXPECT_EQ(WithRtfExtension(given), saved);
    }
    const std::pair<SaveFailure, std::string> failures[] = {
        {SaveFailure::MissingFolder, "Složka neexistuje."},
        {SaveFailure::ReadOnlyOrOpen, "Soubor je jen pro čtení nebo otevřený v jiném programu."},
        {SaveFailure::FolderNotWritable, "Do této složky nesmíš zapisovat."},
    };
    for (const auto& [failure, reason] : failures) {
        const std::string text = SaveFailedText("D:\\8.A.rtf", failure);
        EXPECT_EQ(text.find("Pracovní list se nepodařilo uložit do souboru\r\nD:\\8.A.rtf\r\n\r\n" +
                            reason),
                  0u)
            << text;
    }
}

TEST(Practice, WorksheetHasQuestionsPageBreakAndKeyOnA4) {
    const std::string rtf =
        WorksheetRtf({{kIron, Ask::Name}, {{"SO3", "oxid sírový"}, Ask::Formula}});
    EXPECT_EQ(rtf.find_first_not_of("\t\n\r !\"#$%&'()*+,-./0123456789:;<=>?@"
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                    "abcdefghijklmnopqrstuvwxyz{|}~"),
              std::string::npos)
        << "plain ASCII";
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u);
    EXPECT_NE(rtf.find("\\paperw11906\\paperh16838"), std::string::npos);
    const std::size_t page = rtf.find("\\page");
    ASSERT_NE(page, std::string::npos);
    EXPECT_EQ(rtf.find("\\page", page + 1), std::string::npos);
    const std::string sheet = rtf.substr(0, page);
    const std::string key = rtf.substr(page);
    EXPECT_NE(sheet.find("Jm\\'e9no a p\\'f8\\'edjmen\\'ed: ___"), std::string::npos);
    EXPECT_NE(sheet.find("Ke vzorc\\'f9m nap"), std::string::npos);
    EXPECT_NE(sheet.find("1.\\tab Fe{\\sub 2}O{\\sub 3}\\tab ___"), std::string::npos);
    EXPECT_NE(sheet.find("2.\\tab oxid s\\'edrov\\'fd\\tab ___"), std::string::npos);
    EXPECT_EQ(sheet.find("\\'9eelezit"), std::string::npos) << "no answers before the key";
    EXPECT_EQ(sheet.find("SO{"), std::string::npos);
    EXPECT_NE(key.find("\\'d8e\\'9aen\\'ed\\par"), std::string::npos);
    const std::size_t first = key.find("1.\\tab Fe{\\sub 2}O{\\sub 3}\\tab oxid \\'9eelezit\\'fd");
    const std::size_t second = key.find("2.\\tab oxid s\\'edrov\\'fd\\tab SO{\\sub 3}");
    EXPECT_LT(first, second);
    EXPECT_NE(second, std::string::npos);
}

} // namespace
