#include "practice/Selection.h"

#include <algorithm>

namespace practice {

std::vector<std::vector<Question>> Groups(const Selection& selection,
                                          const std::vector<Compound>& compounds) {
    std::vector<std::vector<Question>> groups;
    for (const Kind kind : Kinds()) {
        if (std::find(selection.kinds.begin(), selection.kinds.end(), kind) ==
            selection.kinds.end()) {
            continue;
        }
        std::vector<Question> group;
        for (const Compound& compound : compounds) {
            if (compound.kind == kind && Practises(selection.level, compound.level)) {
                group.push_back({compound, Ask::Name});
            }
        }
        if (!group.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

std::vector<std::vector<Question>> GroupsOf(const std::vector<Compound>& chosen) {
    // Secondary school practises the compounds of both levels.
    return Groups({Kinds(), Level::Secondary}, chosen);
}

std::string CoverageText(const std::vector<Question>& questions) {
    std::vector<std::string> covered;
    for (const Kind kind : Kinds()) {
        if (std::any_of(questions.begin(), questions.end(),
                        [kind](const Question& q) { return q.compound.kind == kind; })) {
            covered.push_back(KindTitle(kind));
        }
    }
    std::string text;
    for (std::size_t i = 0; i < covered.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == covered.size() ? " a " : ", ") + covered[i];
    }
    return text;
}

std::string ShortfallText(const std::vector<std::vector<Question>>& groups, int wanted, Level level,
                          const std::string& what) {
    int available = 0;
    for (const auto& group : groups) {
        available += static_cast<int>(group.size());
    }
    if (available >= wanted) {
        return "";
    }
    const std::string school = level == Level::Primary ? "na základní škole" : "na střední škole";
    if (available == 0) {
        return "Vybraným skupinám neodpovídá " + school + " žádná sloučenina.";
    }
    const bool few = available >= 2 && available <= 4;
    const std::string compounds = available == 1 ? "jedna sloučenina"
                                  : few          ? std::to_string(available) + " sloučeniny"
                                                 : std::to_string(available) + " sloučenin";
    const std::string questions = std::to_string(available) + (available == 1 ? " otázku"
                                                               : few          ? " otázky"
                                                                              : " otázek");
    return std::string("Vybraným skupinám ") + (few ? "odpovídají " : "odpovídá ") + school +
           " jen " + compounds + ": " + what + " bude mít " + questions + " místo " +
           std::to_string(wanted) + ".";
}

namespace {

// "1 sloučenina", "3 sloučeniny", "12 sloučenin"; `accusative` gives "1 sloučeninu".
std::string Compounds(int count, bool accusative) {
    const bool few = count >= 2 && count <= 4; // "22 sloučenin" as "dvaadvacet sloučenin"
    const char* word = count == 1 ? (accusative ? " sloučeninu" : " sloučenina")
                       : few      ? " sloučeniny"
                                  : " sloučenin";
    return std::to_string(count) + word;
}

} // namespace

std::string ChosenText(int chosen) {
    return "Vybráno: " + Compounds(chosen, false);
}

std::string ChoiceShortfallText(int chosen, int wanted, const std::string& what) {
    if (chosen <= 0 || chosen >= wanted) {
        return "";
    }
    const std::string questions =
        std::to_string(chosen) + (chosen == 1                  ? " otázku"
                                  : chosen >= 2 && chosen <= 4 ? " otázky"
                                                               : " otázek");
    return "Vybrali jste jen " + Compounds(chosen, true) + ": " + what + " bude mít " + questions +
           " místo " + std::to_string(wanted) + ".";
}

} // namespace practice
