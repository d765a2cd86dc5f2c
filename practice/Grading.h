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

// The hints that oxides and the other compounds give for the same slips.
std::string ZeroForOHint(const std::string& meant, const std::string& given);
std::string WrittenOneHint(const std::string& meant, const std::string& given);
std::string ReduceHint(const std::string& right, const std::string& given);

// The formula with every count 1 written after a symbol or a closing
// parenthesis left out: "Fe1O1" gives "FeO".
std::string WithoutWrittenOnes(const std::string& formula);

} // namespace practice
