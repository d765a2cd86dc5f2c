#include "practice/CompoundList.h"

#include <algorithm>
#include <utility>

namespace practice {
namespace {

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
    const std::optional<Kind> kind = KindOf(fields[0]);
    const bool trivial = kind == Kind::Trivial;
    if (fields.size() != 4 && !(trivial && fields.size() == 5)) {
        return "místo 4 polí oddělených tabulátorem (skupina, vzorec, názvy, stupeň) jich má " +
               std::to_string(fields.size());
    }
    if (!kind) {
        return "neznámá skupina „" + std::string(fields[0]) + "“";
    }
    compound.kind = *kind;
    if (fields.size() == 5) {
        if (fields[4].empty()) {
            return "prázdný systematický název";
        }
        compound.systematic = fields[4];
    }
    for (const std::string_view formula : Split(fields[1], '|')) {
        if (formula.empty() || formula.find(' ') != std::string_view::npos) {
            return "vzorec je prázdný nebo obsahuje mezeru";
        }
        (compound.formula.empty() ? compound.formula : compound.molecular.emplace_back()) = formula;
    }
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

CompoundList ParseCompoundList(std::string_view text) {
    std::vector<std::pair<int, Compound>> read; // with the number of its line
    std::vector<std::pair<int, std::string>> errors;
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
            read.emplace_back(number, std::move(compound));
        } else {
            errors.emplace_back(number, error);
        }
    }
    // A trivial name shows the systematic name of its formula: without one
    // its line is refused.
    for (auto& [line, compound] : read) {
        for (const auto& other : read) {
            if (compound.kind == Kind::Trivial && compound.systematic.empty() &&
                other.second.kind != Kind::Trivial && other.second.formula == compound.formula) {
                compound.systematic = other.second.Name();
            }
        }
    }
    CompoundList list;
    for (auto& [line, compound] : read) {
        if (compound.kind == Kind::Trivial && compound.systematic.empty()) {
            errors.emplace_back(line, "triviální název bez systematického: žádný řádek jiné "
                                      "skupiny nemá vzorec " +
                                          compound.formula + " a páté pole chybí");
        } else {
            list.compounds.push_back(std::move(compound));
        }
    }
    std::stable_sort(errors.begin(), errors.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, error] : errors) {
        list.errors.push_back("řádek " + std::to_string(line) + ": " + error);
    }
    return list;
}

const std::vector<Compound>& ListedCompounds() {
    static const std::vector<Compound> compounds = ParseCompoundList(CompoundListText()).compounds;
    return compounds;
}

} // namespace practice
