#include "practice/OxideList.h"

namespace practice {
namespace {

bool WellFormedFormula(std::string_view formula) {
    return !formula.empty() && formula.find_first_of(" \t") == std::string_view::npos;
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
        const std::size_t tab = line.find('\t');
        const std::string_view formula = line.substr(0, tab);
        const std::string_view name =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        if (!WellFormedFormula(formula) || name.empty() ||
            name.find('\t') != std::string_view::npos) {
            list.badLines.push_back(number);
            continue;
        }
        list.oxides.push_back({std::string(formula), std::string(name)});
    }
    return list;
}

} // namespace practice
