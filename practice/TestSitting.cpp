#include "practice/TestSitting.h"

#include "practice/Explanations.h"
#include "practice/Marks.h"
#include "practice/Round.h"

#include <cstdio>

namespace practice {
namespace {

const Question& QuestionOf(const ClassTest& test, const Attempt& attempt, std::size_t index) {
    return test.variants.at(attempt.variant).at(index);
}

const std::string& Shown(const Question& question) {
    return question.ask == Ask::Name ? question.compound.formula : question.compound.Name();
}

} // namespace

std::string SittingProgress(const Attempt& attempt, std::size_t index) {
    return "Otázka " + std::to_string(index + 1) + " z " + std::to_string(attempt.answers.size()) +
           ", nezodpovězeno " + std::to_string(Unanswered(attempt));
}

std::string TimeLeftText(long long seconds) {
    if (seconds < 0) {
        return "";
    }
    if (seconds == 0) {
        return "Čas vypršel.";
    }
    char text[32];
    std::snprintf(text, sizeof text, "Zbývá %lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

std::string QuestionLine(const ClassTest& test, const Attempt& attempt, std::size_t index) {
    const std::string& answer = attempt.answers.at(index).answer;
    return std::to_string(index + 1) + ". " + Shown(QuestionOf(test, attempt, index)) + ": " +
           (answer.empty() ? "–" : answer);
}

std::string HandInQuestion(const Attempt& attempt) {
    const int left = Unanswered(attempt);
    return left == 0 ? ""
                     : "Nezodpovězené otázky: " + std::to_string(left) + " z " +
                           std::to_string(attempt.answers.size()) +
                           ". Chceš test přesto odevzdat? Potom už odpovědi nepůjde změnit.";
}

std::string ResultSummary(const Attempt& attempt) {
    const int total = static_cast<int>(attempt.answers.size());
    return "Výsledek: " + std::to_string(Points(attempt)) + " z " + std::to_string(total) +
           " bodů (" + PercentText(Points(attempt), total) + " %), známka " +
           std::to_string(attempt.mark) + " – " + MarkWord(attempt.mark) + ".";
}

std::string AttemptReport(const ClassTest& test, const Attempt& attempt) {
    std::string report;
    for (std::size_t i = 0; i < attempt.answers.size(); ++i) {
        const Question& question = QuestionOf(test, attempt, i);
        const std::string& answer = attempt.answers[i].answer;
        const std::string explanation = Explanation(question);
        const std::string verdict =
            answer.empty() ? "Bez odpovědi. Správně je " + AnswerPair(question.compound) + "." +
                                 (explanation.empty() ? "" : "\r\n" + explanation)
                           : Round({question}).Answer(answer).text;
        report += (i == 0 ? "" : "\r\n\r\n") + std::to_string(i + 1) + ". " + Shown(question) +
                  ", tvoje odpověď: " + (answer.empty() ? "–" : "„" + answer + "“") + "\r\n" +
                  verdict;
    }
    return report;
}

std::string LocalAttemptName(const ClassTest& test, const Pupil& pupil) {
    return test.id + " " + ResultFileName(pupil);
}

} // namespace practice
