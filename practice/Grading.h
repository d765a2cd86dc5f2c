// Grading a pupil's answer: one path for every kind of compound. The answer is
// compared with what the list accepts; a wrong one gets a hint where it shows
// a common slip. Texts are code page 1250.
#pragma once

#include "practice/CompoundList.h"

#include <string>

namespace practice {

// What the pupil writes: the name of a shown formula, or the formula of a shown name.
enum class Ask { Name, Formula };

struct Question {
    Compound compound;
    Ask ask;
};

enum class Grade {
    Empty,               // nothing typed: not graded
    Right,               // as the list shows it (case, extra blanks and a final . , ; aside)
    RightVariant,        // another name the list accepts, such as oxid berylnatý, or a
                         // complex's ligands in the older order
    RightSpelling,       // a name typed without (some of) its diacritics
    RightMolecular,      // a real molecule the list names the same, such as P4O10 for P2O5
    RightGas,            // the gas whose solution the binary acid is: chlorovodík for HCl
    RightStoichiometric, // a name from the formula's counts: trioxid diželeza
    Wrong,
};

struct Assessment {
    Grade grade;
    // Right answers but the first: what the answer was taken for, as the list
    // writes it (the variant, the name with its diacritics, the molecule, the
    // gas). Wrong: one sentence on a slip the answer shows, or empty.
    std::string note;
};

// A name is right when it equals an accepted name ignoring case and extra
// blanks (a no-break space is a blank); letters typed without their
// diacritics still count. A formula is right when it equals the listed one
// or one of its molecules, ignoring blanks, case as written. A final full
// stop, comma or semicolon is ignored in both.
Assessment Assess(const Question& question, const std::string& answer);

// The names that count as right: the listed ones, for a binary acid the
// gas's names made from them (kyselina chlorovodíková: chlorovodík), for a
// complex the name with its ligands in the older order (anionic first).
std::vector<std::string> AcceptedNames(const Compound& compound);
// The gas of a binary acid's name: "kyselina sulfanová" gives "sulfan".
std::string GasOf(const std::string& acidName);

} // namespace practice
