// How the answer to a question follows from the rules, step by step, in
// sentences a pupil can follow: from the formula through the zero sum to the
// ending and the name, or from the name's parts to the formula. Molecules are
// explained with oxidation numbers, ionic compounds with the charges of their
// ions. Texts are code page 1250 (no minus sign or arrow there: "-" and ","
// stand for them).
#pragma once

#include "practice/Grading.h"

#include <string>

namespace practice {

// Empty when the rules do not read the formula.
std::string Explanation(const Question& question);

} // namespace practice
