// Grading a pupil's answer and explaining the right one. Texts are code page
// 1250 bytes.
#pragma once

#include "practice/OxideList.h"

#include <optional>
#include <string>

namespace practice {

// What the pupil writes: the name of a shown formula, or the formula of a shown name.
enum class Ask { Name, Formula };

struct Question {
    Oxide oxide;
    Ask ask;
};

enum class Grade {
    Empty,         // nothing typed: not graded
    Right,         // as the list has it (case and extra spaces aside for names)
    RightSpelling, // a name typed without (some of) its diacritics
    RightMultiple, // a multiple of the formula, such as P4O10 for P2O5
    Wrong,
};

// A name is right when it equals the real name ignoring case and extra
// blanks; letters typed without their diacritics still count. A formula is
// right when it equals the real one ignoring blanks, case as written, or is
// a whole multiple of it written the usual way (no 1, no leading 0).
Grade CheckAnswer(const Question& question, const std::string& answer);

// The parts of a formula written the usual way: "Fe2O3" gives Fe, 2, 3.
struct FormulaParts {
    std::string symbol;
    int elementCount;
    int oxygenCount;
};
std::optional<FormulaParts> SplitFormula(const std::string& formula);

// The oxidation number that a name's suffix stands for, and the suffix as
// written ("ečný" in "oxid fosforečný"); valence 0 when no suffix matches.
struct Suffix {
    int valence;
    std::string text;
};
Suffix SuffixOf(const std::string& name);

// One line on why the name is what it is, computed from the formula, e.g. for
// Fe2O3 that three oxygens give -6, so each iron is III, whose suffix is -itý.
// Empty when the formula is not in the usual shape.
std::string Explanation(const Oxide& oxide);

} // namespace practice
