#include "practice/CompoundList.h"

namespace practice {
namespace {

struct CategoryText {
    Category category;
    const char* key;
    const char* title;
};

constexpr CategoryText kCategories[kCategoryCount] = {
    {Category::Hydroxide, "hydroxid", "hydroxidy"},
    {Category::Halide, "halogenid", "halogenidy"},
    {Category::Sulfide, "sulfid", "sulfidy"},
    {Category::Peroxide, "peroxid", "peroxidy"},
    {Category::BinaryAcid, "bezkyslíkatá", "bezkyslíkaté kyseliny"},
    {Category::Oxoacid, "kyslíkatá", "kyslíkaté kyseliny"},
    {Category::Salt, "sůl", "soli kyslíkatých kyselin"},
};

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

// The record of one line, or why there is none.
std::string ReadLine(std::string_view line, Compound& compound) {
    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != 4) {
        return "místo 4 polí oddělených tabulátorem (skupina, vzorec, názvy, stupeň) jich má " +
               std::to_string(fields.size());
    }
    const CategoryText* category = nullptr;
    for (const CategoryText& known : kCategories) {
        if (fields[0] == known.key) {
            category = &known;
        }
    }
    if (category == nullptr) {
        return "neznámá skupina „" + std::string(fields[0]) + "“";
    }
    compound.category = category->category;
    if (fields[1].empty() || fields[1].find(' ') != std::string_view::npos) {
        return "vzorec je prázdný nebo obsahuje mezeru";
    }
    compound.formula = fields[1];
    for (const std::string_view name : Split(fields[2], '|')) {
        if (name.empty()) {
            return "prázdný název";
        }
        compound.names.emplace_back(name);
    }
    if (const std::optional<Level> level = LevelOf(fields[3])) {
        compound.level = *level;
        return "";
    }
    return "stupeň „" + std::string(fields[3]) + "“ není ZŠ ani SŠ";
}

} // namespace

const char* CategoryKey(Category category) {
    return kCategories[static_cast<int>(category)].key;
}

const char* CategoryTitle(Category category) {
    return kCategories[static_cast<int>(category)].title;
}

CompoundList ParseCompoundList(std::string_view text) {
    CompoundList list;
    int number = 0;
    for (std::string_view line : Split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        Compound compound{};
        const std::string error = ReadLine(line, compound);
        if (error.empty()) {
            list.compounds.push_back(std::move(compound));
        } else {
            list.errors.push_back("řádek " + std::to_string(number) + ": " + error);
        }
    }
    return list;
}

} // namespace practice
