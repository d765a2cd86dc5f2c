// Grading a pupil's answer and explaining the right one. Texts are code page
// 1250 bytes.
#pragma once

#include "practice/CompoundList.h"
#include "practice/OxideList.h"

#include <optional>
#include <string>

namespace practice {

// What the pupil writes: the name of a shown formula, or the formula of a shown name.
enum class Ask { Name, Formula };

// An oxide of the oxide list, or with a category a compound of the compound
// list: its formula, its first name as `name` and the other names it is
// accepted under as `otherNames`.
struct Question {
    Oxide oxide;
    Ask ask;
    std::optional<Category> category = std::nullopt;
};

enum class Grade {
    Empty,          // nothing typed: not graded
    Right,          // as the list shows it (case, extra blanks and a final . , ; aside)
    RightVariant,   // another name the list accepts, such as oxid berylnatý
    RightSpelling,  // a name typed without (some of) its diacritics
    RightMolecular, // a real molecule the list names the same, such as P4O10 for P2O5
    Wrong,
};

struct Assessment {
    Grade grade;
    // RightSpelling: the name meant, with its diacritics. Wrong: one sentence
    // on a slip the answer shows (word order, a zero for O, a written 1, an
    // unreduced formula), or empty.
    std::string note;
};

// A name is right when it equals one of the compound's names ignoring case and
// extra blanks (a no-break space is a blank); letters typed without their
// diacritics still count. A formula is right when it equals the oxide's
// formula or one of its molecular formulas, ignoring blanks, case as
// written; a compound's formula is graded by CompoundAssessment. A final full
// stop, comma or semicolon is ignored in both.
Assessment Assess(const Question& question, const std::string& answer);

// The parts of a formula written the usual way: "Fe2O3" gives Fe, 2, 3.
struct FormulaParts {
    std::string symbol;
    int elementCount;
    int oxygenCount;
};
std::optional<FormulaParts> SplitFormula(const std::string& formula);

// The oxidation number that a name's ending stands for, and the ending as
// written ("ečný" in "oxid fosforečný"); valence 0 when no ending matches.
struct Suffix {
    int valence;
    std::string text;
};
Suffix SuffixOf(const std::string& name);

// How the answer follows, for the way the question asks. For a name: the
// zero sum of the oxidation numbers, from the formula to the ending. For a
// formula: from the ending's oxidation number to the counts of atoms.
// Empty when the formula is not in the usual shape.
std::string Explanation(const Oxide& oxide, Ask ask);
// The same for any question: an oxide's above, a compound's by its category.
std::string Explanation(const Question& question);

} // namespace practice
