// A round of practice: drawing the questions, keeping the score and the
// mistakes, and the texts the practice dialog shows. Code page 1250.
#pragma once

#include "practice/Grading.h"

#include <cstdint>
#include <string>
#include <vector>

namespace practice {

// What the pupil is asked for, chosen in the dialogs.
enum class Direction { FormulaToName, NameToFormula, Mixed };

// `count` different questions drawn across groups (one group per kind of
// compound): the groups give a question each in turn, in an order drawn from
// the seed, until the round is full, so every group has its share (all of
// them when the groups hold fewer); then the questions are shuffled. In a
// mixed round each question asks for the name or the formula at random, not
// in turns. The same seed gives the same round.
std::vector<Question> DrawRound(const std::vector<std::vector<Question>>& groups, int count,
                                Direction direction, uint32_t seed);
// The same questions in an order drawn from the seed.
std::vector<Question> Shuffled(std::vector<Question> questions, uint32_t seed);

// The outcome of one answer, and what the dialog says about it: the mark a
// pupil sees without reading ("Správně!", "Špatně."), the question's formula
// and name, then for a wrong answer the hint and the explanation, separated
// by CR LF.
struct Verdict {
    Grade grade;
    std::string text;
    std::size_t markLength; // the mark at the start of the text; 0 when none
};

// The formula and the name as a verdict shows them: "Fe2O3 – oxid železitý",
// "pálené vápno = oxid vápenatý, CaO".
std::string AnswerPair(const Compound& compound);

struct Mistake {
    Question question;
    std::string answer; // as the pupil typed it
    Verdict verdict;
};

class Round {
  public:
    explicit Round(std::vector<Question> questions);

    bool Finished() const { return next_ >= questions_.size(); }
    // The question to answer now; only while the round is not finished.
    const Question& Current() const { return questions_[next_]; }
    int Total() const { return static_cast<int>(questions_.size()); }
    int Right() const { return right_; }
    const std::vector<Mistake>& Mistakes() const { return mistakes_; }
    // Answers given and questions left: leaving the round now loses them.
    bool Begun() const { return next_ > 0 && !Finished(); }

    // Grades the answer to the current question and moves on to the next one;
    // an empty answer is not graded and the question stays ("Napiš odpověď.").
    Verdict Answer(const std::string& answer);

    // Texts of the dialog: "Otázka 3 z 10, správně 2", at the end "Výsledek:
    // 8 z 10 (80 %)"; what to write and what is shown; one line per mistake.
    std::string ProgressText() const;
    std::string TaskText() const;
    std::string PromptText() const;
    std::string MistakesText() const;
    // The questions answered wrongly, for a round of just those.
    std::vector<Question> MistakeQuestions() const;

  private:
    std::vector<Question> questions_;
    std::size_t next_ = 0;
    int right_ = 0;
    std::vector<Mistake> mistakes_;
};

} // namespace practice
