#include "practice/Grading.h"

#include "practice/GradingParts.h"
#include "practice/Text.h"

namespace practice {

Assessment Assess(const Question& question, const std::string& answer) {
    if (WithoutBlanks(Trimmed(answer)).empty()) {
        return {Grade::Empty, ""};
    }
    return question.ask == Ask::Name ? AssessName(question.compound, answer)
                                     : AssessFormula(question.compound, answer);
}

} // namespace practice
