// How the name or the formula of a compound of the compound list follows from
// the rules, step by step, in the style of the oxides' explanations. Texts are
// code page 1250 (no minus sign or arrow there: "-" and ":" stand for them).
#pragma once

#include "practice/Answers.h"

#include <string>

namespace practice {

// Ask::Name: from the formula through the zero sum to the ending and the
// name. Ask::Formula: from the name's parts (anion, ending) to the formula.
// Empty when the rules do not read the formula.
std::string CompoundExplanation(const std::string& formula, const std::string& name,
                                Category category, Ask ask);

} // namespace practice
