// What the pupil sees while taking a class test and after handing it in:
// the progress, the time left, the list of questions with what was answered,
// the questions asked before handing in, and the report of every question
// with the right answer and its explanation. Texts are code page 1250.
#pragma once

#include "practice/AttemptFile.h"
#include "practice/TestFile.h"

#include <string>

namespace practice {

// "Otázka 3 z 20, nezodpovězeno 5".
std::string SittingProgress(const Attempt& attempt, std::size_t index);

// "Zbývá 12:05" from seconds left; "Čas vypršel." at 0; "" without a limit (-1).
std::string TimeLeftText(long long seconds);

// One line of the list of questions: "3. Fe2O3: oxid železitý", "4. oxid
// uhelnatý: –" while unanswered.
std::string QuestionLine(const ClassTest& test, const Attempt& attempt, std::size_t index);

// Asked before handing in with questions unanswered; empty when all are.
std::string HandInQuestion(const Attempt& attempt);

// "Výsledek: 15 z 20 bodů (75 %), známka 2 – chvalitebně."
std::string ResultSummary(const Attempt& attempt);

// Every question of the attempt, blank lines between them: its number, the
// pupil's answer and the verdict practice gives it (the right answer, the
// hint and the explanation); "bez odpovědi" for one not answered.
std::string AttemptReport(const ClassTest& test, const Attempt& attempt);

// The name of the copy this computer keeps of an attempt, so that it can be
// continued even where the results folder cannot be read: the test's id and
// the result file's name, "9f2c4e7a1b3d5f60 Jan Novák 8.A.txt".
std::string LocalAttemptName(const ClassTest& test, const Pupil& pupil);

} // namespace practice
