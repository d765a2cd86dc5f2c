// What a round or a worksheet covers: the kinds of compound a class chose, at
// its level. Texts are code page 1250.
#pragma once

#include "practice/Grading.h"

#include <string>
#include <vector>

namespace practice {

struct Selection {
    std::vector<Kind> kinds = {Kind::Oxide};
    Level level = Level::Primary;
};

// The compounds of each chosen kind at the level, one group per kind in the
// order of Kinds(), each as a question for its name. Groups with nothing at
// the level are left out.
std::vector<std::vector<Question>> Groups(const Selection& selection,
                                          const std::vector<Compound>& compounds);

// "oxidy, hydroxidy a soli kyslíkatých kyselin": the kinds that the
// questions ask about, in the order of Kinds().
std::string CoverageText(const std::vector<Question>& questions);

// What to say when the groups hold fewer compounds than the questions wanted:
// "Vybraným skupinám odpovídají na základní škole jen 3 sloučeniny: kolo bude
// mít 3 otázky místo 10." `what` is "kolo" or "pracovní list". Empty when
// there are enough.
std::string ShortfallText(const std::vector<std::vector<Question>>& groups, int wanted, Level level,
                          const std::string& what);

// The teacher's own choice as groups for drawing: one group per kind in the
// order of Kinds(), each compound in the order given, as a question for its
// name.
std::vector<std::vector<Question>> GroupsOf(const std::vector<Compound>& chosen);

// The line under the list of the own choice: "Vybráno: 1 sloučenina",
// "Vybráno: 3 sloučeniny", "Vybráno: 12 sloučenin".
std::string ChosenText(int chosen);

// What to say when fewer compounds are chosen than questions wanted:
// "Vybrali jste jen 3 sloučeniny: test bude mít 3 otázky místo 10." `what`
// is "test" or "pracovní list". Empty when there are enough or none.
std::string ChoiceShortfallText(int chosen, int wanted, const std::string& what);

} // namespace practice
