// Grading a formula typed for a compound of the compound list: only the
// formula as the list writes it is right; a wrong one gets a hint where it
// shows a common slip. Texts are code page 1250.
#pragma once

#include "practice/Answers.h"

#include <string>

namespace practice {

// `given` without blanks and closing punctuation; `right` as the list has it.
Assessment AssessCompoundFormula(const std::string& right, Category category,
                                 const std::string& given);

} // namespace practice
