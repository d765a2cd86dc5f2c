// Feeds arbitrary text to the oxide list reader: every oxide it keeps has
// formulas without blanks and names without tabs, none of them empty or
// holding the "|" that separates them; every other line that is not a comment
// or empty is reported once, in order.
#include "fuzz/FuzzCheck.h"
#include "practice/OxideList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const practice::OxideList list = practice::ParseOxideList(text);
    int lines = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        ++lines;
        if (text.find('\n', at) == std::string_view::npos) {
            break;
        }
    }
    fuzz::Check(list.oxides.size() + list.badLines.size() <= static_cast<std::size_t>(lines));
    for (std::size_t i = 0; i < list.badLines.size(); ++i) {
        fuzz::Check(list.badLines[i] >= 1 && list.badLines[i] <= lines);
        fuzz::Check(i == 0 || list.badLines[i] > list.badLines[i - 1]);
    }
    for (const practice::Oxide& oxide : list.oxides) {
        fuzz::Check(oxide.formula[0] != '#');
        std::vector<std::string> formulas = oxide.molecular;
        formulas.push_back(oxide.formula);
        for (const std::string& formula : formulas) {
            fuzz::Check(!formula.empty() && formula.find_first_of(" \t\n|") == std::string::npos);
        }
        std::vector<std::string> names = oxide.otherNames;
        names.push_back(oxide.name);
        for (const std::string& name : names) {
            fuzz::Check(!name.empty() && name.find_first_of("\t\n|") == std::string::npos);
        }
    }
    return 0;
}
