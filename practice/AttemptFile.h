// A pupil's attempt at a class test and the result file that records it,
// rewritten whole after every answer so that a crash loses at most the
// answer being typed. The clock is read by the caller: times come in as
// Moments. Texts in memory are code page 1250.
//
// The result file is written as the test file is (UTF-8 with a byte-order
// mark, CR LF, tab-separated fields escaped the same way), in this order:
//
//   Zemit výsledek 1
//   test       9f2c4e7a1b3d5f60        the id of the test file
//   název      Oxidy – 8.A             the test's title
//   žák        Jan Novák               not empty
//   třída      8.A                     not empty
//   uživatel   novakj                  the Windows user, may be empty
//   počítač    UCEBNA-07               the computer's name, may be empty
//   varianta   B
//   začátek    2026-03-12 08:05:10     the first start; a continued attempt keeps it
//   odevzdáno  2026-03-12 08:25:41     or "ne" while the attempt is open
//   otázka     oxid  Fe2O3  název  oxid železitý  ano
//   otázka     oxid  CO  vzorec    ne            kind, formula, what is asked,
//   ...                                          the answer (may be empty), right
//   body       7  10                   right answers and questions
//   procenta   70                      as PercentText()
//   známka     3  dobře                by the test's scale
//   verze      1.0.0.2                 the program that wrote it
//   konec
#pragma once

#include "practice/TestFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

constexpr int kAttemptFileVersion = 1;
// Longer answers are kept to this many characters.
constexpr std::size_t kMaxAnswer = 200;

// A local date and time to the second.
struct Moment {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;

    bool operator==(const Moment& other) const;
    bool operator<(const Moment& other) const;
};
// "2026-03-12 08:05:10".
std::string MomentText(const Moment& moment);
// The moment of such a text, checked as a date; false for anything else.
bool ReadMoment(const std::string& text, Moment& moment);
// Seconds from `from` to `to`, negative when `to` comes first.
long long SecondsBetween(const Moment& from, const Moment& to);

// Who takes the test, and where.
struct Pupil {
    std::string name;
    std::string className;
    std::string user;     // the Windows user
    std::string computer; // the computer's name
};

struct AnswerRecord {
    Kind kind;
    std::string formula;
    Ask ask;
    std::string answer; // as typed; empty while not answered
    bool right = false; // Assess() gave Right to RightStoichiometric
};

struct Attempt {
    std::string testId;
    std::string title;
    Pupil pupil;
    int variant = 0; // 0 for A
    Moment start;
    bool handedIn = false;
    Moment handIn; // only when handed in
    std::vector<AnswerRecord> answers;
    int mark = 5; // by the test's scale, kept up to date with the answers
    std::string version;
};

// What is missing before a pupil may start: "Napiš své jméno a příjmení."
// and the like; empty when the name and the class are there.
std::string PupilFault(const Pupil& pupil);

// A new attempt at the variant (0 for A), every question unanswered.
Attempt StartAttempt(const ClassTest& test, int variant, const Pupil& pupil, const Moment& start,
                     const std::string& version);
// Grades the answer to question `index` of the attempt's variant and keeps
// it, replacing an earlier one; the points and the mark follow. An answer
// of blanks counts as none.
void RecordAnswer(Attempt& attempt, const ClassTest& test, std::size_t index,
                  const std::string& answer);
void HandIn(Attempt& attempt, const Moment& at);

int Points(const Attempt& attempt);
int Unanswered(const Attempt& attempt);
// Seconds left of the test's time limit, counted from the first start; 0
// when the time is up, and -1 for a test without a limit.
long long SecondsLeft(const Attempt& attempt, const ClassTest& test, const Moment& now);

// Whether the attempt is one the pupil may continue: of this test, by this
// name and class (case and extra blanks aside) on this computer, not handed in.
bool Continues(const Attempt& attempt, const ClassTest& test, const Pupil& pupil);

// The result file's text.
std::string AttemptFileText(const Attempt& attempt);

struct AttemptReading {
    Attempt attempt;
    std::string fault; // empty when read; otherwise a sentence, as ReadTestFile
};
// Reads a result file strictly: every line in its place, the points and the
// per cent agreeing with the answers, a newer format refused.
AttemptReading ReadAttemptFile(std::string_view bytes);

// Whether the attempt answers this test: its id, a variant it has, the same
// questions in the same order. Empty when it does; else a sentence.
std::string AttemptMismatch(const Attempt& attempt, const ClassTest& test);

// The result file's name: "Jan Novák 8.A.txt". Characters Windows refuses
// in a name (\ / : * ? " < > | and control characters) go, blanks run
// together, dots and blanks at either end go, a reserved device name (CON,
// PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9) gets a "_" after it, and the
// name without ".txt" is at most 60 characters; Czech letters stay. "žák"
// when nothing is left.
std::string ResultFileName(const Pupil& pupil);
// The name for the n-th try when the name is taken: "Jan Novák 8.A (2).txt"
// for 2; the name itself for 1. The caller creates the file as new and
// counts up while the name is taken.
std::string NumberedFileName(const std::string& fileName, int n);

} // namespace practice
