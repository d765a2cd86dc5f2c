// The two halves of grading, for Grading.cpp; the answer as typed.
#pragma once

#include "practice/Grading.h"

#include <string>

namespace practice {

Assessment AssessName(const Compound& compound, const std::string& answer);
Assessment AssessFormula(const Compound& compound, const std::string& answer);

// The formula with every count 1 written after a symbol or a closing
// parenthesis left out: "Fe1O1" gives "FeO".
std::string WithoutWrittenOnes(const std::string& formula);

} // namespace practice
