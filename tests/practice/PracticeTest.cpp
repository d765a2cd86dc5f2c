// Grading, explanations, rounds and the worksheet text, window-free.
#include "practice/Round.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <set>

using namespace practice;

namespace {

const Oxide kIron = {"Fe2O3", "oxid železitý"};
const Oxide kPhosphorus = {"P2O5", "oxid fosforečný"};
const Oxide kCarbon = {"CO", "oxid uhelnatý"};
const Oxide kCarbonDioxide = {"CO2", "oxid uhličitý"};

TEST(Practice, AnswerChecks) {
    struct Case {
        Oxide oxide;
        Ask ask;
        std::string answer;
        Grade grade;
    };
    const Case cases[] = {
        {kIron, Ask::Name, "oxid železitý", Grade::Right},
        {kIron, Ask::Name, "  Oxid \t ŽELEZITÝ ", Grade::Right},
        {kIron, Ask::Name, "oxid zelezity", Grade::RightSpelling},
        {kIron, Ask::Name, "OXID ZELEZITÝ", Grade::RightSpelling},
        {kIron, Ask::Name, "oxid železnatý", Grade::Wrong},
        {kIron, Ask::Name, "oxid železítý", Grade::Wrong}, // a wrong accent is no missing one
        {kIron, Ask::Name, "oxidželezitý", Grade::Wrong},
        {kIron, Ask::Name, " \t ", Grade::Empty},
        {kIron, Ask::Formula, "Fe2O3", Grade::Right},
        {kIron, Ask::Formula, " Fe2 O 3 ", Grade::Right},
        {kIron, Ask::Formula, "fe2o3", Grade::Wrong},
        {kIron, Ask::Formula, "Fe4O6", Grade::RightMultiple},
        {kIron, Ask::Formula, "Fe3O4", Grade::Wrong},
        {kIron, Ask::Formula, "Fe2O6", Grade::Wrong},
        {kIron, Ask::Formula, "Fe04O6", Grade::Wrong},
        {kIron, Ask::Formula, "Fe4000O6000", Grade::Wrong},
        {kPhosphorus, Ask::Formula, "P4O10", Grade::RightMultiple},
        {kCarbon, Ask::Formula, "Co", Grade::Wrong},
        {kCarbonDioxide, Ask::Formula, "C1O2", Grade::Wrong},
        {kCarbonDioxide, Ask::Formula, "CO2O", Grade::Wrong},
        {kCarbon, Ask::Formula, "", Grade::Empty},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckAnswer({c.oxide, c.ask}, c.answer), c.grade) << c.answer;
    }
}

TEST(Practice, Explanations) {
    const std::pair<Oxide, std::string> cases[] = {
        {kIron, "Kyslík má oxidační číslo -II: 3 atomy O dávají -6, proto má každý ze dvou "
                "atomů Fe oxidační číslo III; tomu odpovídá přípona -itý."},
        {kCarbon, "Kyslík má oxidační číslo -II: jeden atom O dává -2, proto má atom C "
                  "oxidační číslo II; tomu odpovídá přípona -natý."},
        {kPhosphorus, "Kyslík má oxidační číslo -II: 5 atomů O dává -10, proto má každý ze "
                      "dvou atomů P oxidační číslo V; tomu odpovídá přípona -ečný."},
        {{"N2O5", "?"},
         "Kyslík má oxidační číslo -II: 5 atomů O dává -10, proto má každý ze "
         "dvou atomů N oxidační číslo V; tomu odpovídá přípona -ičný."},
        {{"Fe3O4", "oxid železnato-železitý"}, ""},
        {{"", "?"}, ""},
    };
    for (const auto& [oxide, text] : cases) {
        EXPECT_EQ(Explanation(oxide), text) << oxide.formula;
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
    EXPECT_EQ(DrawRound({}, 10, Direction::Mixed, 1).size(), 0u);
    const auto again = Formulas(Shuffled(round, 3));
    EXPECT_EQ(std::multiset<std::string>(again.begin(), again.end()),
              std::multiset<std::string>(formulas.begin(), formulas.end()));
}

TEST(Practice, RoundKeepsScoreAndMistakes) {
    Round round({{kIron, Ask::Name}, {kCarbon, Ask::Formula}, {kPhosphorus, Ask::Formula}});
    EXPECT_EQ(round.ProgressText(), "Otázka 1 z 3, správně 0");
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napište název oxidu: Fe2O3");
    EXPECT_EQ(round.Answer("  ").text, "Napište odpověď a stiskněte Enter.");
    EXPECT_EQ(round.Answer("oxid zelezity").text,
              "Fe2O3: správně, jen se píše s diakritikou: oxid železitý.");
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napište vzorec oxidu: oxid uhelnatý");
    const Verdict wrong = round.Answer("Co");
    EXPECT_EQ(wrong.grade, Grade::Wrong);
    EXPECT_EQ(wrong.text, "oxid uhelnatý: špatně, správně je CO.\r\n" + Explanation(kCarbon));
    EXPECT_EQ(round.ProgressText(), "Otázka 3 z 3, správně 1");
    EXPECT_EQ(round.Answer("P4O10").text, "oxid fosforečný: správně, obvykle se píše P2O5.");
    EXPECT_TRUE(round.Finished());
    EXPECT_EQ(round.ProgressText(), "Konec kola, správně 2");
    EXPECT_EQ(round.ScoreText(), "Výsledek: 2 z 3");
    EXPECT_EQ(round.MistakesText(), "oxid uhelnatý: odpověď „Co“, správně CO");
    ASSERT_EQ(round.MistakeQuestions().size(), 1u);
    EXPECT_EQ(round.MistakeQuestions()[0].ask, Ask::Formula);
}

TEST(Practice, RtfTextAndFileNames) {
    EXPECT_EQ(RtfText("Řešení {a\\b}"), "\\'d8e\\'9aen\\'ed \\{a\\\\b\\}");
    const std::pair<std::string, std::string> names[] = {
        {"C:\\listy\\oxidy", "C:\\listy\\oxidy.rtf"},
        {"C:\\listy.v1\\oxidy", "C:\\listy.v1\\oxidy.rtf"},
        {"C:\\listy\\oxidy.doc", "C:\\listy\\oxidy.doc"},
        {"oxidy", "oxidy.rtf"},
        {"D:oxidy.rtf", "D:oxidy.rtf"},
    };
    for (const auto& [given, saved] : names) {
        EXPECT_EQ(WithRtfExtension(given), saved);
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
    EXPECT_EQ(sheet.find("\\'8e"), std::string::npos) << "no answers before the key";
    EXPECT_NE(key.find("\\'d8e\\'9aen\\'ed\\par"), std::string::npos);
    const std::size_t first = key.find("1.\\tab Fe{\\sub 2}O{\\sub 3}\\tab oxid \\'9eelezit\\'fd");
    const std::size_t second = key.find("2.\\tab oxid s\\'edrov\\'fd\\tab SO{\\sub 3}");
    EXPECT_LT(first, second);
    EXPECT_NE(second, std::string::npos);
}

} // namespace
