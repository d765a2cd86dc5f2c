#include "practice/Selection.h"

namespace practice {
namespace {

struct KindText {
    const char* plural;   // after "názvosloví"
    const char* singular; // after "Napiš název"
};

// The oxides, then the categories in the order of Category.
constexpr KindText kTexts[1 + kCategoryCount] = {
    {"oxidů", "oxidu"},
    {"hydroxidů", "hydroxidu"},
    {"halogenidů", "halogenidu"},
    {"sulfidů", "sulfidu"},
    {"peroxidů", "peroxidu"},
    {"bezkyslíkatých kyselin", "kyseliny"},
    {"kyslíkatých kyselin", "kyseliny"},
    {"solí kyslíkatých kyselin", "soli"},
};

int Index(const std::optional<Category>& kind) {
    return kind ? 1 + static_cast<int>(*kind) : 0;
}

} // namespace

std::vector<std::optional<Category>> Kinds() {
    std::vector<std::optional<Category>> kinds = {std::nullopt};
    for (int i = 0; i < kCategoryCount; ++i) {
        kinds.push_back(static_cast<Category>(i));
    }
    return kinds;
}

std::vector<std::vector<Question>> Groups(const Selection& selection,
                                          const std::vector<Oxide>& oxides,
                                          const std::vector<Compound>& compounds) {
    std::vector<std::vector<Question>> groups;
    for (const std::optional<Category>& kind : Kinds()) {
        bool chosen = false;
        for (const std::optional<Category>& wanted : selection.kinds) {
            chosen = chosen || wanted == kind;
        }
        std::vector<Question> group;
        if (chosen && !kind) {
            for (const Oxide& oxide : AtLevel(oxides, selection.level)) {
                group.push_back({oxide, Ask::Name});
            }
        }
        for (const Compound& compound : compounds) {
            if (chosen && compound.category == kind && Practises(selection.level, compound.level)) {
                Oxide named{
                    compound.formula, compound.names.front(), compound.level,
                    std::vector<std::string>(compound.names.begin() + 1, compound.names.end())};
                group.push_back({std::move(named), Ask::Name, compound.category});
            }
        }
        if (!group.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

const std::vector<Oxide>& ListedOxides() {
    static const std::vector<Oxide> oxides = ParseOxideList(OxideListText()).oxides;
    return oxides;
}

const std::vector<Compound>& ListedCompounds() {
    static const std::vector<Compound> compounds = ParseCompoundList(CompoundListText()).compounds;
    return compounds;
}

std::string KindPlural(const std::optional<Category>& kind) {
    return kTexts[Index(kind)].plural;
}

std::string KindSingular(const std::optional<Category>& kind) {
    return kTexts[Index(kind)].singular;
}

std::string CoverageText(const std::vector<Question>& questions) {
    std::vector<std::string> covered;
    for (const std::optional<Category>& kind : Kinds()) {
        for (const Question& question : questions) {
            if (question.category == kind) {
                covered.push_back(KindPlural(kind));
                break;
            }
        }
    }
    std::string text = "názvosloví";
    for (std::size_t i = 0; i < covered.size(); ++i) {
        text += (i == 0 ? " " : i + 1 == covered.size() ? " a " : ", ") + covered[i];
    }
    return text;
}

} // namespace practice
