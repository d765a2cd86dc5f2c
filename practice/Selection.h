// What a round or a worksheet covers: the oxides and the categories of the
// compound list a class chose, at its level. Texts are code page 1250.
#pragma once

#include "practice/Answers.h"
#include "practice/CompoundList.h"

#include <optional>
#include <string>
#include <vector>

namespace practice {

// The kinds of compound in the order the dialogs offer them: the oxides
// (nothing), then each category of the compound list.
std::vector<std::optional<Category>> Kinds();

struct Selection {
    std::vector<std::optional<Category>> kinds = {std::nullopt}; // the oxides alone
    Level level = Level::Primary;
};

// The compounds of each chosen kind at the level, one group per kind, each as
// a question for its name. Groups with nothing at the level are left out.
std::vector<std::vector<Question>> Groups(const Selection& selection,
                                          const std::vector<Oxide>& oxides,
                                          const std::vector<Compound>& compounds);

// The compiled-in lists, read once.
const std::vector<Oxide>& ListedOxides();
const std::vector<Compound>& ListedCompounds();

// "oxidů", "hydroxidů", "solí kyslíkatých kyselin": the kind after "názvosloví".
std::string KindPlural(const std::optional<Category>& kind);
// "oxidu", "kyseliny", "soli": the kind after "Napiš název".
std::string KindSingular(const std::optional<Category>& kind);

// "názvosloví oxidů, hydroxidů a solí kyslíkatých kyselin": the kinds that
// the questions ask about, in the order of Kinds().
std::string CoverageText(const std::vector<Question>& questions);

} // namespace practice
