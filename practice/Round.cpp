#include "practice/Round.h"

#include "practice/Explanations.h"
#include "practice/Selection.h"
#include "practice/Text.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

namespace practice {
namespace {

// A number below `bound` from the generator, without modulo bias; the
// generator is fully specified, so a seed gives the same numbers everywhere.
uint32_t Below(std::mt19937& generator, uint32_t bound) {
    const uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
    uint32_t value;
    do {
        value = static_cast<uint32_t>(generator());
    } while (value >= limit);
    return value % bound;
}

// Fisher-Yates over the first `count` places.
template <typename T>
void ShuffleFront(std::vector<T>& items, std::size_t count, std::mt19937& generator) {
    for (std::size_t i = 0; i < count && i + 1 < items.size(); ++i) {
        const std::size_t j = i + Below(generator, static_cast<uint32_t>(items.size() - i));
        std::swap(items[i], items[j]);
    }
}

const std::string& Shown(const Question& question) {
    return question.ask == Ask::Name ? question.compound.formula : question.compound.Name();
}

const std::string& Expected(const Question& question) {
    return question.ask == Ask::Name ? question.compound.Name() : question.compound.formula;
}

const char* const kRight = "Správně!";
const char* const kWrong = "Špatně.";

Verdict VerdictOf(const Question& question, const Assessment& assessment) {
    const Compound& compound = question.compound;
    const std::string pair = AnswerPair(compound);
    std::string text;
    switch (assessment.grade) {
    case Grade::Empty:
        return {Grade::Empty, "Napiš odpověď.", 0};
    case Grade::Right:
        text = Capitalised(pair) + ".";
        break;
    case Grade::RightVariant:
        text = compound.kind == Kind::Trivial
                   ? Capitalised(assessment.note) + " = " + compound.systematic + ", " +
                         compound.formula + "; říká se také " + compound.Name() + "."
                   : compound.formula + " – " + assessment.note + "; píše se také " +
                         compound.Name() + ".";
        break;
    case Grade::RightSpelling:
        text = compound.formula + " – " + assessment.note + " (jen se píše s diakritikou).";
        break;
    case Grade::RightMolecular:
        text = assessment.note + " – " + compound.Name() + "; obvykle se píše " + compound.formula +
               ".";
        break;
    case Grade::RightGas:
        text = compound.formula + " – " + assessment.note + ", plyn; jeho roztok ve vodě je " +
               compound.Name() + ".";
        break;
    case Grade::RightStoichiometric:
        text = compound.formula + " – " + assessment.note +
               " (stechiometrický název; ve škole se píše " + compound.Name() + ").";
        break;
    case Grade::Wrong: {
        const std::string note = assessment.note.empty() ? "" : "\r\n" + assessment.note;
        const std::string explanation = Explanation(question);
        return {Grade::Wrong,
                std::string(kWrong) + " Správně je " + pair + "." + note +
                    (explanation.empty() ? "" : "\r\n" + explanation),
                std::string(kWrong).size()};
    }
    }
    return {assessment.grade, std::string(kRight) + " " + text, std::string(kRight).size()};
}

} // namespace

std::string AnswerPair(const Compound& compound) {
    // A trivial name is always shown with the systematic one.
    return compound.kind == Kind::Trivial
               ? compound.Name() + " = " + compound.systematic + ", " + compound.formula
               : compound.formula + " – " + compound.Name();
}

std::vector<Question> DrawRound(const std::vector<std::vector<Question>>& groups, int count,
                                Direction direction, uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::vector<std::size_t>> orders;
    for (const std::vector<Question>& group : groups) {
        std::vector<std::size_t> order(group.size());
        std::iota(order.begin(), order.end(), 0);
        ShuffleFront(order, order.size(), generator);
        orders.push_back(std::move(order));
    }
    std::vector<std::size_t> turns(groups.size());
    std::iota(turns.begin(), turns.end(), 0);
    ShuffleFront(turns, turns.size(), generator);
    const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    std::vector<Question> questions;
    for (std::size_t taken = 0; questions.size() < wanted; ++taken) {
        const std::size_t before = questions.size();
        for (std::size_t i = 0; i < turns.size() && questions.size() < wanted; ++i) {
            const std::size_t group = turns[i];
            if (taken < orders[group].size()) {
                questions.push_back(groups[group][orders[group][taken]]);
            }
        }
        if (questions.size() == before) {
            break; // every group is used up
        }
    }
    if (groups.size() > 1) {
        ShuffleFront(questions, questions.size(), generator);
    }
    for (Question& question : questions) {
        question.ask = direction == Direction::NameToFormula ? Ask::Formula : Ask::Name;
        if (direction == Direction::Mixed && Below(generator, 2) == 1) {
            question.ask = Ask::Formula;
        }
    }
    return questions;
}

std::vector<Question> Shuffled(std::vector<Question> questions, uint32_t seed) {
    std::mt19937 generator(seed);
    ShuffleFront(questions, questions.size(), generator);
    return questions;
}

Round::Round(std::vector<Question> questions) : questions_(std::move(questions)) {}

Verdict Round::Answer(const std::string& answer) {
    const Question& question = Current();
    const Verdict verdict = VerdictOf(question, Assess(question, answer));
    if (verdict.grade == Grade::Empty) {
        return verdict;
    }
    if (verdict.grade == Grade::Wrong) {
        mistakes_.push_back({question, answer, verdict});
    } else {
        ++right_;
    }
    ++next_;
    return verdict;
}

std::string Round::ProgressText() const {
    if (Finished()) {
        const int percent = Total() == 0 ? 0 : (200 * right_ + Total()) / (2 * Total());
        return "Výsledek: " + std::to_string(right_) + " z " + std::to_string(Total()) + " (" +
               std::to_string(percent) + " %)";
    }
    return "Otázka " + std::to_string(next_ + 1) + " z " + std::to_string(Total()) + ", správně " +
           std::to_string(right_);
}

std::string Round::TaskText() const {
    if (Finished()) {
        return "";
    }
    const Kind kind = Current().compound.kind;
    if (kind == Kind::Trivial) {
        return Current().ask == Ask::Name ? "Napiš triviální název:" : "Napiš vzorec látky:";
    }
    return (Current().ask == Ask::Name ? "Napiš název " : "Napiš vzorec ") +
           std::string(KindSingular(kind)) + ":";
}

std::string Round::PromptText() const {
    return Finished() ? "" : Shown(Current());
}

std::string Round::MistakesText() const {
    std::string text;
    for (const Mistake& mistake : mistakes_) {
        text += (text.empty() ? "" : "\r\n") + Shown(mistake.question) + ": odpověď „" +
                mistake.answer + "“, správně " + Expected(mistake.question);
    }
    return text;
}

std::vector<Question> Round::MistakeQuestions() const {
    std::vector<Question> questions;
    for (const Mistake& mistake : mistakes_) {
        questions.push_back(mistake.question);
    }
    return questions;
}

} // namespace practice
