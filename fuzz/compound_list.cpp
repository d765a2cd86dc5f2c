// Feeds arbitrary text to the compound list reader: every compound it keeps
// has formulas without blanks and names without tabs, none of them empty or
// holding the "|" that separates them; every other line that is not a comment
// or empty is reported once, in order; grading and explaining what it keeps
// never fails harder than with an empty text.
#include "fuzz/FuzzCheck.h"
#include "practice/CompoundList.h"
#include "practice/Explanations.h"
#include "practice/Grading.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const practice::CompoundList list = practice::ParseCompoundList(text);
    int lines = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        ++lines;
        if (text.find('\n', at) == std::string_view::npos) {
            break;
        }
    }
    fuzz::Check(list.compounds.size() + list.errors.size() <= static_cast<std::size_t>(lines));
    int last = 0;
    for (const std::string& error : list.errors) {
        const int line = std::stoi(error.substr(error.find(' ') + 1));
        fuzz::Check(line > last && line <= lines);
        last = line;
    }
    for (const practice::Compound& compound : list.compounds) {
        std::vector<std::string> formulas = compound.molecular;
        formulas.push_back(compound.formula);
        for (const std::string& formula : formulas) {
            fuzz::Check(!formula.empty() && formula.find_first_of(" \t\n|") == std::string::npos);
        }
        for (const std::string& name : compound.names) {
            fuzz::Check(!name.empty() && name.find_first_of("\t\n|") == std::string::npos);
        }
        for (const practice::Ask ask : {practice::Ask::Name, practice::Ask::Formula}) {
            practice::Explanation({compound, ask});
            practice::Assess({compound, ask}, compound.formula);
            practice::Assess({compound, ask}, compound.Name());
        }
    }
    return 0;
}
