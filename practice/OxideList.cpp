#include "practice/OxideList.h"

#include <optional>

namespace practice {
namespace {

// The field's parts between "|", or nothing when one of them is empty or a
// formula has a blank.
std::optional<std::vector<std::string>> Alternatives(std::string_view field, bool formula) {
    std::vector<std::string> parts;
    while (true) {
        const std::size_t bar = field.find('|');
        const std::string_view part = field.substr(0, bar);
        if (part.empty() || (formula && part.find(' ') != std::string_view::npos)) {
            return std::nullopt;
        }
        parts.emplace_back(part);
        if (bar == std::string_view::npos) {
            return parts;
        }
        field.remove_prefix(bar + 1);
    }
}

// "formulas<TAB>names<TAB>level", or nothing when the line is not that.
std::optional<Oxide> ReadOxide(std::string_view line) {
    std::string_view fields[3];
    for (int i = 0; i < 3; ++i) {
        const std::size_t tab = line.find('\t');
        if ((i < 2) == (tab == std::string_view::npos)) {
            return std::nullopt; // a field too few or too many
        }
        fields[i] = line.substr(0, tab);
        line.remove_prefix(i < 2 ? tab + 1 : line.size());
    }
    const auto formulas = Alternatives(fields[0], true);
    const auto names = Alternatives(fields[1], false);
    const auto level = LevelOf(fields[2]);
    if (!formulas || !names || !level) {
        return std::nullopt;
    }
    return Oxide{formulas->front(), names->front(), *level,
                 std::vector<std::string>(names->begin() + 1, names->end()),
                 std::vector<std::string>(formulas->begin() + 1, formulas->end())};
}

} // namespace

OxideList ParseOxideList(std::string_view text) {
    OxideList list;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (auto oxide = ReadOxide(line)) {
            list.oxides.push_back(std::move(*oxide));
        } else {
            list.badLines.push_back(number);
        }
    }
    return list;
}

std::vector<Oxide> AtLevel(const std::vector<Oxide>& oxides, Level level) {
    std::vector<Oxide> chosen;
    for (const Oxide& oxide : oxides) {
        if (Practises(level, oxide.level)) {
            chosen.push_back(oxide);
        }
    }
    return chosen;
}

} // namespace practice
