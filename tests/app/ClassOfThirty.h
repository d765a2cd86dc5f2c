// The class of the test of thirty pupils handing in at once: the test, each
// pupil and the answers each gives, shared by the writers and the test that
// reads what they wrote.
#pragma once

#include "practice/AttemptFile.h"
#include "practice/TestFile.h"

#include <string>

namespace classtest {

// Two variants of four oxides.
inline practice::ClassTest Test() {
    practice::ClassTest test;
    test.id = practice::TestId(0x30);
    test.title = "Oxidy – 8.A";
    test.variants =
        practice::DrawVariants(practice::Groups(practice::Selection{}, practice::ListedCompounds()),
                               4, practice::Direction::FormulaToName, 2, 30);
    return test;
}

// Every pupil has the same name and class; the user name tells them apart.
inline practice::Pupil PupilNumber(int number) {
    return {"Jan Novák", "8.A", "zak" + std::to_string(number), "UCEBNA"};
}

// Pupil n answers the first n % 5 questions right (at most all), the rest wrongly.
inline std::string AnswerOf(const practice::ClassTest& test, const practice::Attempt& attempt,
                            std::size_t index, int number) {
    const practice::Question& question = test.variants[attempt.variant][index];
    return static_cast<int>(index) < number % 5 ? question.compound.Name() : "oxid nesprávný";
}

} // namespace classtest
