// The class's overview as the results dialog shows it.
#include "practice/Text.h"
#include "practice/ResultsView.h"

#include <gtest/gtest.h>

using namespace practice;

namespace {

Question Asked(const char* formula, const char* name, Ask ask) {
    return {Compound{Kind::Oxide, formula, {name}}, ask};
}

TEST(ResultsView, CellsOfARowInTheOrderOfTheColumns) {
    ResultRow row;
    row.name = "Jan Novák";
    row.className = "8.A";
    row.variant = 1;
    row.points = 5;
    row.total = 6;
    row.mark = 2;
    row.minutes = 16;
    row.handedIn = true;
    row.attemptNumber = 2;
    EXPECT_EQ(RowCells(row), (std::vector<std::string>{"Jan Novák", "8.A", "B", "5 z 6", "83,3",
                                                       "2 chvalitebně", "16", "odevzdáno", "2"}));
    row.handedIn = false;
    row.minutes = -1;
    row.points = 0;
    row.mark = 5;
    EXPECT_EQ(RowCells(row), (std::vector<std::string>{"Jan Novák", "8.A", "B", "0 z 6", "0",
                                                       "5 nedostatečně", "", "rozpracováno", "2"}));
    std::vector<std::string> headings;
    for (int i = 0; i < kColumnCount; ++i) {
        headings.push_back(ColumnHeading(ColumnAt(i)));
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Jméno", "Třída", "Varianta", "Body", "%",
                                                  "Známka", "Čas (min)", "Stav", "Pokus"}));
    EXPECT_EQ(ColumnAt(6), Column::Minutes);
    EXPECT_EQ(ColumnAt(99), Column::Attempt) << "a header index out of range stays a column";
}

TEST(ResultsView, WhatTheTestWas) {
    ClassTest test;
    test.variants = {{Asked("CO2", "oxid uhličitý", Ask::Name)}};
    test.variants[0].push_back({Compound{Kind::Sulfide, "ZnS", {"sulfid zinečnatý"}}, Ask::Name});
    EXPECT_EQ(TestAboutText(test),
              "Oxidy a sulfidy pro základní školu, ze vzorce název. Jedna varianta, 2 otázky, bez "
              "časového limitu. Známka 1 od 90 %, 2 od 75 %, 3 od 50 %, 4 od 30 %.");
    test.variants.push_back(test.variants[0]);
    test.variants.push_back(test.variants[0]);
    test.direction = Direction::Mixed;
    test.selection.level = Level::Secondary;
    test.minutes = 1;
    test.scale.lowest = {85, 70, 45, 25};
    EXPECT_EQ(TestAboutText(test),
              "Oxidy a sulfidy pro střední školu, oběma směry. 3 varianty, v každé 2 otázky, "
              "časový limit 1 minuta. Známka 1 od 85 %, 2 od 70 %, 3 od 45 %, 4 od 25 %.");
}

TEST(ResultsView, QuestionsWithTheirMistakesAndTheFilesNotRead) {
    ClassOverview overview;
    overview.questions = {{{Asked("Fe2O3", "oxid železitý", Ask::Name), 2, 3},
                           {Asked("CO", "oxid uhelnatý", Ask::Formula), 0, 0}}};
    EXPECT_EQ(QuestionsText(overview), "2 z 3 špatně: Fe2O3 – oxid železitý\r\n"
                                       "zatím bez odpovědi: oxid uhelnatý – CO\r\n");
    overview.questions.push_back({{Asked("SO2", "oxid siřičitý", Ask::Name), 0, 1}});
    EXPECT_EQ(QuestionsText(overview), "Varianta A:\r\n"
                                       "    2 z 3 špatně: Fe2O3 – oxid železitý\r\n"
                                       "    zatím bez odpovědi: oxid uhelnatý – CO\r\n"
                                       "\r\nVarianta B:\r\n"
                                       "    0 z 1 špatně: SO2 – oxid siřičitý\r\n");

    EXPECT_EQ(UnreadableText(overview), "Všechny soubory ve složce výsledků se podařilo přečíst.");
    overview.unreadable = {{"a.txt", "Soubor je prázdný."}, {"b.txt", "Soubor mezitím zmizel."}};
    EXPECT_EQ(UnreadableText(overview),
              "a.txt: Soubor je prázdný.\r\nb.txt: Soubor mezitím zmizel.\r\n");
}

TEST(ResultsView, LeftoversOfACutWriteAreNoResults) {
    const std::pair<const char*, bool> names[] = {
        {"Jan Novák 8.A.txt~", true},
        {"Jan Novák 8.A.txt~7", true},
        {"Jan Novák 8.A.txt", false},
        {"Jan~Novák 8.A.txt", false},
        {"~", false},
        {"a.txt~07", false},
        {"a.txt~1x", false},
    };
    for (const auto& [name, leftover] : names) {
        EXPECT_EQ(IsLeftoverOfWrite(name), leftover) << name;
    }
}

TEST(ResultsView, NamesAndMessagesOfTheSavedFiles) {
    EXPECT_EQ(ResultsFileName("Oxidy – 8.A", ".csv"), "Oxidy – 8.A – výsledky.csv");
    EXPECT_EQ(ResultsFileName(". Kyseliny 8/A: \"opakování\"?", ".rtf"),
              "Kyseliny 8A opakování – výsledky.rtf");
    EXPECT_EQ(WithExtension("C:\\8.A", ".csv"), "C:\\8.A.csv");
    EXPECT_EQ(WithExtension("C:\\Tabulka.CSV", ".csv"), "C:\\Tabulka.CSV");
    EXPECT_EQ(WithExtension(".csv", ".csv"), ".csv.csv") << "a name, not only an extension";
}

} // namespace
