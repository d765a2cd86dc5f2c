// What the pupil sees while taking a class test and after handing it in.
#include "practice/Explanations.h"
#include "practice/Round.h"
#include "practice/TestSitting.h"

#include <gtest/gtest.h>

using namespace practice;

namespace {

TEST(TestSitting, TimeLeftIsMinutesAndSeconds) {
    const std::pair<long long, std::string> cases[] = {
        {-1, ""},           {0, "Čas vypršel."}, {1, "Zbývá 0:01"},
        {59, "Zbývá 0:59"}, {60, "Zbývá 1:00"},  {36000, "Zbývá 600:00"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(TimeLeftText(seconds), text) << seconds;
    }
}

TEST(TestSitting, ProgressListAndReportFollowTheAnswers) {
    ClassTest test;
    test.id = TestId(0xab);
    const Compound iron = {Kind::Oxide, "Fe2O3", {"oxid železitý"}, Level::Primary};
    const Compound lime = {Kind::Trivial,  "CaO", {"pálené vápno"},
                           Level::Primary, {},    "oxid vápenatý"};
    test.variants = {{{iron, Ask::Name}, {lime, Ask::Formula}, {iron, Ask::Formula}}};
    const Pupil pupil = {"Jan Novák", "8.A", "", ""};
    Attempt attempt = StartAttempt(test, 0, pupil, {2026, 3, 12, 8, 0, 0}, "1.0");
    RecordAnswer(attempt, test, 0, "oxid železitý");
    RecordAnswer(attempt, test, 1, "CaCO3");
    EXPECT_EQ(SittingProgress(attempt, 2), "Otázka 3 z 3, nezodpovězeno 1");
    EXPECT_EQ(QuestionLine(test, attempt, 1), "2. pálené vápno: CaCO3");
    EXPECT_EQ(QuestionLine(test, attempt, 2), "3. oxid železitý: –");
    EXPECT_EQ(HandInQuestion(attempt), "Nezodpovězené otázky: 1 z 3. Chceš test přesto "
                                       "odevzdat? Potom už odpovědi nepůjde změnit.");
    EXPECT_EQ(ResultSummary(attempt), "Výsledek: 1 z 3 bodů (33,3 %), známka 4 – dostatečně.");
    EXPECT_EQ(AttemptReport(test, attempt),
              "1. Fe2O3, tvoje odpověď: „oxid železitý“\r\nSprávně! Fe2O3 – oxid železitý.\r\n\r\n"
              "2. pálené vápno, tvoje odpověď: „CaCO3“\r\n" +
                  Round({{lime, Ask::Formula}}).Answer("CaCO3").text +
                  "\r\n\r\n3. oxid železitý, tvoje odpověď: –\r\nBez odpovědi. Správně je Fe2O3 "
                  "– oxid železitý.\r\n" +
                  Explanation({iron, Ask::Formula}));
    RecordAnswer(attempt, test, 2, "Fe2O3");
    EXPECT_EQ(HandInQuestion(attempt), "");
    EXPECT_EQ(LocalAttemptName(test, pupil), "00000000000000ab Jan Novák 8.A.txt");
}

} // namespace
