// The pupil's attempt and the result file.
#include "ExactBytes.h"
#include "practice/AttemptFile.h"
#include "practice/Text.h"
#include "practice/Utf8.h"

#include <gtest/gtest.h>

using namespace practice;

namespace {

const Pupil kPupil = {"Jan Novák", "8.A", "novakj", "UCEBNA-07"};
const Moment kStart = {2026, 3, 12, 8, 5, 10};

// Two variants of three oxides, named from their formulas, with a limit of 20 minutes.
ClassTest OxideTest() {
    ClassTest test;
    test.id = TestId(0x9f2c4e7a1b3d5f60);
    test.title = "Oxidy – 8.A";
    test.minutes = 20;
    const auto oxides = Groups(Selection{}, ListedCompounds());
    test.variants = DrawVariants(oxides, 3, Direction::FormulaToName, 2, 1);
    return test;
}

AttemptReading Read(const std::string& bytes) {
    return ReadAttemptFile(ExactBytes(bytes).View());
}

TEST(Attempt, MomentsAreDatesToTheSecond) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"2026-03-12 08:05:10", true},  {"2024-02-29 23:59:59", true},
        {"2025-02-29 10:00:00", false}, {"2026-04-31 10:00:00", false},
        {"2026-13-01 10:00:00", false}, {"2026-03-12 24:00:00", false},
        {"2026-03-12 08:60:00", false}, {"2026-03-12 8:05:10", false},
        {"2026-03-12T08:05:10", false}, {"2026-03-12 08:05:1", false},
        {"0000-01-01 00:00:00", false}, {"", false},
    };
    for (const Case& c : cases) {
        Moment moment;
        EXPECT_EQ(ReadMoment(c.text, moment), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(MomentText(moment), c.text);
        }
    }
    EXPECT_EQ(SecondsBetween({2024, 2, 28, 23, 59, 0}, {2024, 3, 1, 0, 1, 0}), 86400 + 120);
    EXPECT_EQ(SecondsBetween({2025, 12, 31, 23, 0, 0}, {2026, 1, 1, 0, 0, 0}), 3600);
    EXPECT_EQ(SecondsBetween(kStart, {2026, 3, 12, 8, 5, 9}), -1);
}

TEST(Attempt, AnswersAreGradedAndTheTimeCountsFromTheFirstStart) {
    const ClassTest test = OxideTest();
    Attempt attempt = StartAttempt(test, 1, kPupil, kStart, "1.0.0.2");
    EXPECT_EQ(attempt.answers.size(), 3u);
    EXPECT_EQ(Unanswered(attempt), 3);
    EXPECT_EQ(attempt.mark, 5);
    const std::vector<Question>& questions = test.variants[1];
    RecordAnswer(attempt, test, 0, questions[0].compound.Name());
    RecordAnswer(attempt, test, 1, "  ");
    RecordAnswer(attempt, test, 2, "oxid zlatý");
    EXPECT_EQ(Points(attempt), 1);
    EXPECT_EQ(Unanswered(attempt), 1) << "blanks are no answer";
    EXPECT_EQ(attempt.answers[1].answer, "");
    RecordAnswer(attempt, test, 1, Plain(questions[1].compound.Name()));
    EXPECT_TRUE(attempt.answers[1].right) << "without diacritics still right";
    EXPECT_EQ(attempt.mark, 3) << "2 of 3";
    RecordAnswer(attempt, test, 2, std::string(kMaxAnswer, 'x'));
    EXPECT_EQ(attempt.answers[2].answer.size(), kMaxAnswer);
    RecordAnswer(attempt, test, 2, std::string(kMaxAnswer + 1, 'y'));
    EXPECT_EQ(attempt.answers[2].answer, std::string(kMaxAnswer, 'y'));
    EXPECT_EQ(SecondsLeft(attempt, test, {2026, 3, 12, 8, 25, 9}), 1);
    EXPECT_EQ(SecondsLeft(attempt, test, {2026, 3, 12, 8, 25, 10}), 0);
    EXPECT_EQ(SecondsLeft(attempt, test, {2026, 3, 12, 9, 0, 0}), 0);
    ClassTest untimed = test;
    untimed.minutes = 0;
    EXPECT_EQ(SecondsLeft(attempt, untimed, kStart), -1);
    // Only the same pupil on the same computer continues an open attempt.
    EXPECT_TRUE(Continues(attempt, test, {" jan  NOVÁK", "8.a", "jiný", "ucebna-07"}));
    EXPECT_FALSE(Continues(attempt, test, {"Jan Novák", "8.B", "novakj", "UCEBNA-07"}));
    EXPECT_FALSE(Continues(attempt, test, {"Jan Novák", "8.A", "novakj", "UCEBNA-08"}));
    ClassTest other = test;
    other.id = TestId(1);
    EXPECT_FALSE(Continues(attempt, other, kPupil));
    HandIn(attempt, {2026, 3, 12, 8, 20, 0});
    EXPECT_FALSE(Continues(attempt, test, kPupil));
    EXPECT_EQ(PupilFault(kPupil), "");
    EXPECT_EQ(PupilFault({" ", "8.A", "", ""}), "Napiš své jméno a příjmení.");
    EXPECT_EQ(PupilFault({"Jan", "\xA0", "", ""}), "Napiš svou třídu, třeba 8.A.");
}

TEST(Attempt, AnyAnswerComesBackFromTheFile) {
    const ClassTest test = OxideTest();
    Attempt attempt = StartAttempt(test, 0, kPupil, kStart, "1.0.0.2");
    std::string every;
    for (int b = 0; b < 256; ++b) {
        every += static_cast<char>(b);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        RecordAnswer(attempt, test, i, "\\" + every.substr(i * 86, 86) + "\\");
    }
    attempt.pupil.name = "Jan\tNovák\r\n";
    const AttemptReading read = Read(AttemptFileText(attempt));
    ASSERT_EQ(read.fault, "");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.attempt.answers[i].answer, attempt.answers[i].answer);
    }
    EXPECT_EQ(read.attempt.pupil.name, attempt.pupil.name);
    EXPECT_FALSE(read.attempt.handedIn);
    EXPECT_EQ(AttemptMismatch(read.attempt, test), "");
    HandIn(attempt, {2026, 3, 12, 8, 25, 41});
    const Attempt handedIn = Read(AttemptFileText(attempt)).attempt;
    EXPECT_TRUE(handedIn.handedIn);
    EXPECT_EQ(MomentText(handedIn.handIn), "2026-03-12 08:25:41");
    EXPECT_EQ(handedIn.start, kStart);
    EXPECT_EQ(handedIn.version, "1.0.0.2");
}

// A file cut anywhere, as by a power cut while it is written, is refused.
TEST(Attempt, EveryCutOfTheFileIsRefused) {
    const ClassTest test = OxideTest();
    Attempt attempt = StartAttempt(test, 0, kPupil, kStart, "1.0.0.2");
    RecordAnswer(attempt, test, 0, "oxid železitý");
    const std::string file = AttemptFileText(attempt);
    ASSERT_EQ(file.substr(file.size() - 7), "konec\r\n");
    for (std::size_t size = 0; size + 2 < file.size(); ++size) {
        EXPECT_NE(Read(file.substr(0, size)).fault, "") << size;
    }
    EXPECT_EQ(Read(file.substr(0, file.size() - 2)).fault, "") << "only the line end is missing";
}

TEST(Attempt, FaultsAreSaidWithTheirLine) {
    const ClassTest test = OxideTest();
    Attempt attempt = StartAttempt(test, 0, kPupil, kStart, "1.0.0.2");
    RecordAnswer(attempt, test, 0, test.variants[0][0].compound.Name());
    std::string good;
    ASSERT_TRUE(Cp1250FromUtf8(AttemptFileText(attempt).substr(kUtf8Bom.size()), good));
    struct Case {
        const char* from;
        const char* to;
        const char* fault;
    };
    const Case cases[] = {
        {"Zemit výsledek 1", "Zemit výsledek 3",
         "Soubor uložila novější verze programu Zemit (formát 3, tato verze zná jen formát 1). "
         "Nainstalujte novější verzi Zemitu."},
        {"Zemit výsledek 1", "Zemit test 1", "Nejde o výsledek testu programu Zemit."},
        {"žák\tJan Novák", "žák\t", "Řádek 4: chybí jméno žáka."},
        {"třída\t8.A", "třída\t ", "Řádek 5: chybí třída."},
        {"varianta\tA", "varianta\tE", "Řádek 8: varianta má být A, B, C nebo D, ne „E“."},
        {"začátek\t2026-03-12 08:05:10", "začátek\t12.3.2026 8:05",
         "Řádek 9: začátek „12.3.2026 8:05“ není datum a čas ve tvaru 2026-03-12 08:05:10."},
        {"odevzdáno\tne", "odevzdáno\tano",
         "Řádek 10: odevzdání „ano“ není datum a čas ve tvaru 2026-03-12 08:05:10 ani „ne“."},
        {"\tano\r\n", "\tjo\r\n", "Řádek 11: za odpovědí má stát ano nebo ne, ne „jo“."},
        {"\tnázev\t", "\tnazev\t",
         "Řádek 11: otázka se má ptát na název nebo vzorec, ne na "
         "„nazev“."},
        {"body\t1\t3", "body\t2\t3", "Řádek 14: body nesouhlasí se správnými odpověďmi výše."},
        {"body\t1\t3", "body\t1\t4", "Řádek 14: počet otázek nesouhlasí s otázkami výše."},
        {"procenta\t33,3", "procenta\t33", "Řádek 15: procenta „33“ nesouhlasí s body."},
        {"známka\t4\tdostatečně", "známka\t4\tdobře",
         "Řádek 16: známka 4 se slovy píše „dostatečně“."},
        {"známka\t4\tdostatečně", "známka\t0\tdobře",
         "Řádek 16: známka má být celé číslo od 1 do 5, ne „0“."},
        {"verze\t1.0.0.2\r\n", "verze\t1.0.0.2\r\nkonec\r\n",
         "Řádek 18: řádek „konec“ sem nepatří."},
    };
    for (const Case& c : cases) {
        std::string text = good;
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        text.replace(at, std::string(c.from).size(), c.to);
        EXPECT_EQ(Read(Utf8FromCp1250(text)).fault, c.fault) << c.to;
    }
    std::string tooLong = good;
    tooLong.insert(tooLong.find("\tano\r\n"), std::string(kMaxAnswer, 'x'));
    EXPECT_EQ(Read(Utf8FromCp1250(tooLong)).fault, "Řádek 11: odpověď je delší než 200 znaků.");
}

TEST(Attempt, ResultsOfAnotherTestOrVariantAreTold) {
    const ClassTest test = OxideTest();
    Attempt attempt = StartAttempt(test, 1, kPupil, kStart, "1.0.0.2");
    ClassTest other = test;
    other.id = TestId(7);
    other.title = "Jiný test";
    EXPECT_EQ(AttemptMismatch(attempt, other), "Výsledek patří k jinému testu („Oxidy – 8.A“).");
    other = test;
    other.variants.pop_back();
    EXPECT_EQ(AttemptMismatch(attempt, other), "Test nemá variantu B.");
    other = test;
    other.variants[1][2].ask = Ask::Formula;
    EXPECT_EQ(AttemptMismatch(attempt, other),
              "Otázky výsledku neodpovídají variantě B tohoto testu.");
    other.variants[1].pop_back();
    attempt.answers[2].ask = Ask::Formula;
    EXPECT_EQ(AttemptMismatch(attempt, other),
              "Otázky výsledku neodpovídají variantě B tohoto testu.");
}

TEST(Attempt, FileNamesWindowsTakes) {
    struct Case {
        const char* name;
        const char* className;
        const char* file;
    };
    const std::string sixty(60, 'a');
    const Case cases[] = {
        {"Jan Novák", "8.A", "Jan Novák 8.A.txt"},
        {"  Jan\t\xA0Novák ", " 8.A. ", "Jan Novák 8.A.txt"},
        {"a\\b/c:d*e?f\"g<h>i|j\x01k\x7F", "8.A", "abcdefghijk 8.A.txt"},
        {"..Žofie Řeháková", "9.B", "Žofie Řeháková 9.B.txt"},
        {"CON", "", "CON_.txt"},
        {"con", ".", "con_.txt"},
        {"Aux.x", "", "Aux_.x.txt"},
        {"nul ", ".", "nul_.txt"},
        {"COM1", "", "COM1_.txt"},
        {"lpt9", "", "lpt9_.txt"},
        {"COM10", "", "COM10.txt"},
        {"COM0", "", "COM0.txt"},
        {"CONSOLE", "", "CONSOLE.txt"},
        {"???", "///", "žák.txt"},
        {"", "", "žák.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResultFileName({c.name, c.className, "", ""}), c.file) << c.name;
    }
    EXPECT_EQ(ResultFileName({sixty.substr(2), "8", "", ""}), sixty.substr(2) + " 8.txt")
        << "exactly 60";
    EXPECT_EQ(ResultFileName({sixty.substr(1), "8", "", ""}), sixty.substr(1) + ".txt")
        << "one past: the class goes, and the blank before it";
    EXPECT_EQ(NumberedFileName("Jan Novák 8.A.txt", 1), "Jan Novák 8.A.txt");
    EXPECT_EQ(NumberedFileName("Jan Novák 8.A.txt", 2), "Jan Novák 8.A (2).txt");
    EXPECT_EQ(NumberedFileName("bez", 12), "bez (12)");
}

} // namespace
