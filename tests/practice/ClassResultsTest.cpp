// The class's overview: reading the folder, sorting, the statistics, CSV and RTF.
#include "practice/ClassResults.h"
#include "practice/Utf8.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace practice;

namespace {

ClassTest TwoVariants() {
    ClassTest test;
    test.id = TestId(0xabc);
    test.title = "Oxidy – 8.A";
    test.variants =
        DrawVariants(Groups(Selection{}, ListedCompounds()), 3, Direction::FormulaToName, 2, 5);
    return test;
}

// An attempt with the answers given: "" none, "+" the right name, else as typed.
std::string ResultFile(const ClassTest& test, const Pupil& pupil, int variant, Moment start,
                       const std::vector<std::string>& answers, const Moment* handIn) {
    Attempt attempt = StartAttempt(test, variant, pupil, start, "1.0.0.2");
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const std::string& name = test.variants[variant][i].compound.Name();
        RecordAnswer(attempt, test, i, answers[i] == "+" ? name : answers[i]);
    }
    if (handIn) {
        HandIn(attempt, *handIn);
    }
    return AttemptFileText(attempt);
}

std::vector<std::string> Names(const std::vector<ResultRow>& rows) {
    std::vector<std::string> names;
    for (const ResultRow& row : rows) {
        names.push_back(row.name + " " + std::to_string(row.attemptNumber));
    }
    return names;
}

class ClassResults : public ::testing::Test {
  protected:
    void SetUp() override {
        const Moment janEnd = {2026, 3, 12, 8, 20, 40};
        const Moment againEnd = {2026, 3, 12, 9, 3, 0};
        const std::string jan = ResultFile(test, {"Jan Novák", "8.A", "", ""}, 0,
                                           {2026, 3, 12, 8, 5, 10}, {"+", "+", "+"}, &janEnd);
        ClassTest other = test;
        other.id = TestId(1);
        files = {
            {"Jan Novák 8.A.txt", jan},
            {"Eva Černá 8.A.txt", ResultFile(test, {"Eva Černá", "8.A", "", ""}, 1,
                                             {2026, 3, 12, 8, 4, 0}, {"+", "oxid", ""}, nullptr)},
            {"Jan Novák 8.A (2).txt",
             ResultFile(test, {"jan  novák", "8.a", "", ""}, 0, {2026, 3, 12, 9, 0, 0},
                        {"+", "?", "+"}, &againEnd)},
            {"cizí.txt",
             ResultFile(other, {"Petr", "8.B", "", ""}, 0, {2026, 3, 1, 8, 0, 0}, {}, nullptr)},
            {"poznámky.txt", "nákup: mléko"},
            {"uříznutý.txt", jan.substr(0, jan.size() / 2)},
            {"novější.txt", Utf8FromCp1250("Zemit výsledek 2\r\nkonec\r\n")},
            {"prázdný.txt", ""},
        };
        overview = ReadClassResults(test, files);
    }

    const ClassTest test = TwoVariants();
    std::vector<FolderFile> files;
    ClassOverview overview;
};

TEST_F(ClassResults, EveryFileIsARowOrHasItsReason) {
    ASSERT_EQ(Names(overview.rows),
              (std::vector<std::string>{"Eva Černá 1", "Jan Novák 1", "jan  novák 2"}))
        << "by start; the same pupil again is the second attempt";
    const ResultRow& eva = overview.rows[0];
    EXPECT_EQ(eva.points, 1);
    EXPECT_EQ(eva.mark, 4) << "1 of 3 is 33,3 %";
    EXPECT_EQ(eva.minutes, -1);
    EXPECT_FALSE(eva.handedIn);
    EXPECT_EQ(overview.rows[1].minutes, 16) << "15 min 30 s rounds up";
    EXPECT_EQ(overview.rows[1].mark, 1);
    EXPECT_EQ(overview.rows[2].minutes, 3);
    EXPECT_EQ(overview.rows[2].mark, 3);
    const std::vector<std::pair<std::string, std::string>> unreadable = {
        {"cizí.txt", "Výsledek patří k jinému testu („Oxidy – 8.A“)."},
        {"poznámky.txt", "Nejde o výsledek testu programu Zemit."},
        {"uříznutý.txt", "Soubor je neúplný: chybí poslední řádek „konec“. Nejspíš se "
                         "nepodařilo uložit ho celý."},
        {"novější.txt", "Soubor uložila novější verze programu Zemit (formát 2, tato verze zná "
                        "jen formát 1). Nainstalujte novější verzi Zemitu."},
        {"prázdný.txt", "Soubor je prázdný."},
    };
    ASSERT_EQ(overview.unreadable.size(), unreadable.size());
    for (std::size_t i = 0; i < unreadable.size(); ++i) {
        EXPECT_EQ(overview.unreadable[i].file, unreadable[i].first);
        EXPECT_EQ(overview.unreadable[i].reason, unreadable[i].second);
    }
}

TEST_F(ClassResults, QuestionsWithTheMostWrongFirst) {
    ASSERT_EQ(overview.questions.size(), 2u);
    const auto& a = overview.questions[0];
    EXPECT_EQ(a[0].question.compound.formula, test.variants[0][1].compound.formula);
    EXPECT_EQ(a[0].wrong, 1);
    EXPECT_EQ(a[0].attempts, 2);
    EXPECT_EQ(a[1].question.compound.formula, test.variants[0][0].compound.formula)
        << "ties keep the variant's order";
    const auto& b = overview.questions[1];
    EXPECT_EQ(b[0].question.compound.formula, test.variants[1][1].compound.formula);
    EXPECT_EQ(b[0].wrong, 1);
    EXPECT_EQ(b[2].attempts, 0) << "unanswered in an open attempt: not counted yet";
    EXPECT_EQ(ReadClassResults(test, {}).questions[1].size(), 3u) << "no results, no errors";
}

TEST_F(ClassResults, SortedByEachColumn) {
    struct Case {
        Column column;
        bool ascending;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {Column::Name, true, {"Eva Černá 1", "jan  novák 2", "Jan Novák 1"}},
        {Column::Name, false, {"Jan Novák 1", "jan  novák 2", "Eva Černá 1"}},
        {Column::Percent, true, {"Eva Černá 1", "jan  novák 2", "Jan Novák 1"}},
        {Column::Mark, false, {"Eva Černá 1", "jan  novák 2", "Jan Novák 1"}},
        {Column::Minutes, true, {"jan  novák 2", "Jan Novák 1", "Eva Černá 1"}},
        {Column::Minutes, false, {"Jan Novák 1", "jan  novák 2", "Eva Černá 1"}},
        {Column::HandedIn, true, {"Eva Černá 1", "jan  novák 2", "Jan Novák 1"}},
        {Column::Attempt, false, {"jan  novák 2", "Eva Černá 1", "Jan Novák 1"}},
        {Column::Variant, false, {"Eva Černá 1", "jan  novák 2", "Jan Novák 1"}},
        {Column::Class, true, {"jan  novák 2", "Eva Černá 1", "Jan Novák 1"}}, // 8.a first
    };
    for (const Case& c : cases) {
        std::vector<ResultRow> rows = overview.rows;
        SortRows(rows, c.column, c.ascending);
        EXPECT_EQ(Names(rows), c.names) << static_cast<int>(c.column) << c.ascending;
    }
    // Per cent compares exactly: 1 of 3 is more than 33 of 100.
    std::vector<ResultRow> rows(2);
    rows[0].name = "a";
    rows[0].points = 33;
    rows[0].total = 100;
    rows[1].name = "b";
    rows[1].points = 1;
    rows[1].total = 3;
    SortRows(rows, Column::Percent, false);
    EXPECT_EQ(rows[0].name, "b");
}

TEST(CzechOrder, LettersAsTheCzechAlphabetHasThem) {
    const std::pair<const char*, const char*> ordered[] = {
        {"cibule", "čaj"},       {"hrad", "chata"}, {"chata", "i"},          {"Dvorský", "Dvořák"},
        {"Šebek", "Tichý"},      {"Zeman", "Žák"},  {"Ábel", "Adam"},        {"Adam", "Ádam"},
        {"novák", "Novák"},      {"8.A", "10.A"},   {"9.B", "9.C"},          {"Jan", "Jana"},
        {"Jan Novák", "Jana A"}, {"", "a"},         {"Ťopka", "Urban"},      {"Černý", "Dušek"},
        {"Řehoř", "Říha"},       {"Oto", "Óto"},    {"x2", "x10"},           {"Łukasz", "Lukášek"},
        {"Ó", "Ondra"},          {"x007", "x8"},    {"Müller", "Mullerová"},
    };
    for (const auto& [a, b] : ordered) {
        EXPECT_LT(CompareCzech(a, b), 0) << a << " < " << b;
        EXPECT_GT(CompareCzech(b, a), 0) << b << " > " << a;
        EXPECT_EQ(CompareCzech(a, a), 0) << a;
    }
}

TEST(ClassCsv, ExcelReadsItRight) {
    ResultRow open;
    open.name = "Nový; \"Pepa\"";
    open.className = "=1+1";
    open.variant = 1;
    open.points = 5;
    open.total = 6;
    open.mark = 2;
    ResultRow done = open;
    done.name = "Žofie Řeháková";
    done.className = "8.A";
    done.handedIn = true;
    done.minutes = 12;
    done.attemptNumber = 2;
    EXPECT_EQ(ResultsCsv({open, done}),
              u8"\xEF\xBB\xBFJméno;Třída;Varianta;Body;Otázek;Procenta;Známka;Čas (min);"
              u8"Odevzdáno;Pokus\r\n"
              u8"\"Nový; \"\"Pepa\"\"\";'=1+1;B;5;6;83,3;2;;ne;1\r\n"
              u8"Žofie Řeháková;8.A;B;5;6;83,3;2;12;ano;2\r\n");
    EXPECT_EQ(ResultsCsv({}), u8"\xEF\xBB\xBFJméno;Třída;Varianta;Body;Otázek;Procenta;Známka;"
                              u8"Čas (min);Odevzdáno;Pokus\r\n");
}

TEST_F(ClassResults, OverviewForTheClassBook) {
    const std::string rtf = ResultsRtf(test, overview);
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    int depth = 0;
    for (const char c : rtf) {
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(rtf.rfind(RtfStart() + "\\pard", 0), 0u);
    const std::size_t eva = rtf.find(RtfText("Eva Černá") + "\\cell");
    const std::size_t jan = rtf.find(RtfText("Jan Novák") + "\\cell");
    EXPECT_LT(eva, jan) << "the rows' order";
    EXPECT_NE(rtf.find(RtfText("1 z 3") + "\\cell " + RtfText("33,3") + "\\cell 4 " +
                       RtfText("dostatečně")),
              std::string::npos);
    const std::size_t worst = rtf.find("1 z 2\\tab ");
    const std::size_t best = rtf.find("0 z 2\\tab ");
    EXPECT_LT(worst, best);
    EXPECT_NE(rtf.find(RtfText("uříznutý.txt")), std::string::npos);
}

} // namespace
