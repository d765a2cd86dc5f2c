#include "practice/Grading.h"

#include "practice/FormulaReader.h"

#include <cstddef>
#include <map>

namespace practice {
namespace {

bool IsLetterOrClosing(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ')';
}

// The first group in parentheses that repeats, as written inside them: "PO4".
std::string RepeatedGroup(const Formula& formula) {
    for (const Group& group : formula.groups) {
        if (group.parenthesised && group.count > 1) {
            Formula inside;
            for (const Atom& atom : group.atoms) {
                inside.groups.push_back({{atom}, 1, false});
            }
            return WriteFormula(inside);
        }
    }
    return "";
}

bool HasParentheses(const Formula& formula) {
    for (const Group& group : formula.groups) {
        if (group.parenthesised) {
            return true;
        }
    }
    return false;
}

// The factor by which `larger` holds each element of `smaller`; 0 when none.
int Factor(const std::map<std::string, int>& larger, const std::map<std::string, int>& smaller) {
    if (larger.size() != smaller.size() || smaller.empty()) {
        return 0;
    }
    int factor = 0;
    for (const auto& [symbol, count] : smaller) {
        const auto found = larger.find(symbol);
        if (found == larger.end() || found->second % count != 0 ||
            (factor != 0 && found->second / count != factor)) {
            return 0;
        }
        factor = found->second / count;
    }
    return factor;
}

// A hint for a formula the reader refuses: a zero for O, a written 1, or
// what the reader says.
std::string UnreadableNote(const std::string& right, const std::string& given,
                           const std::string& error) {
    for (std::size_t i = given.find('0'); i != std::string::npos; i = given.find('0', i + 1)) {
        std::string letter = given;
        letter[i] = 'O';
        if (letter == right) {
            return ZeroForOHint(right, given);
        }
    }
    if (WithoutWrittenOnes(given) == right) {
        return WrittenOneHint(right, given);
    }
    return error;
}

std::string Note(const std::string& right, Category category, const std::string& given) {
    const FormulaReading expected = ReadFormula(right);
    const FormulaReading read = ReadFormula(given);
    if (!expected.formula) {
        return "";
    }
    if (!read.formula) {
        return UnreadableNote(right, given, read.error);
    }
    const auto givenAtoms = CountAtoms(*read.formula);
    const auto rightAtoms = CountAtoms(*expected.formula);
    const std::string repeated = RepeatedGroup(*expected.formula);
    const bool bare = !repeated.empty() && !HasParentheses(*read.formula);
    if (bare && (givenAtoms == rightAtoms || given.find(repeated) != std::string::npos)) {
        return "Skupina " + repeated +
               " patří do závorky a počet za závorkou říká, kolikrát se opakuje: " + right + ".";
    }
    if (givenAtoms == rightAtoms) {
        return "Atomy souhlasí, ale píšou se v tomto pořadí: " + right + ".";
    }
    if (Factor(givenAtoms, rightAtoms) >= 2) {
        return ReduceHint(right, given);
    }
    if (category == Category::Peroxide && Factor(rightAtoms, givenAtoms) == 2) {
        return "Skupina O2 peroxidu se nekrátí: " + right + ", ne " + given + ".";
    }
    return "";
}

} // namespace

std::string ZeroForOHint(const std::string& meant, const std::string& given) {
    return "Místo písmene O je tu nula: " + meant + ", ne " + given + ".";
}

std::string WrittenOneHint(const std::string& meant, const std::string& given) {
    return "Jednička se ve vzorci nepíše: " + meant + ", ne " + given + ".";
}

std::string ReduceHint(const std::string& right, const std::string& given) {
    return "Vzorec se krátí na nejmenší poměr: " + given + " se píše " + right + ".";
}

std::string WithoutWrittenOnes(const std::string& text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lone = i > 0 && IsLetterOrClosing(text[i - 1]) &&
                          (i + 1 == text.size() || text[i + 1] < '0' || text[i + 1] > '9');
        if (text[i] != '1' || !lone) {
            kept += text[i];
        }
    }
    return kept;
}

Assessment AssessCompoundFormula(const std::string& right, Category category,
                                 const std::string& given) {
    if (given == right) {
        return {Grade::Right, ""};
    }
    return {Grade::Wrong, Note(right, category, given)};
}

} // namespace practice
