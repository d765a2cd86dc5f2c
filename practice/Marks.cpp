#include "practice/Marks.h"

namespace practice {

std::string ScaleFault(const MarkScale& scale) {
    for (int i = 0; i < 4; ++i) {
        const std::string mark = std::to_string(i + 1);
        const int limit = scale.lowest[i];
        if (limit < 0 || limit > 100) {
            return "Hranice pro známku " + mark + " musí být od 0 do 100 %.";
        }
        if (i > 0 && limit >= scale.lowest[i - 1]) {
            return "Hranice pro známku " + mark + " (" + std::to_string(limit) +
                   " %) musí být nižší než hranice pro známku " + std::to_string(i) + " (" +
                   std::to_string(scale.lowest[i - 1]) + " %).";
        }
    }
    return "";
}

int MarkOf(int points, int total, const MarkScale& scale) {
    if (total <= 0) {
        return 5;
    }
    for (int i = 0; i < 4; ++i) {
        if (static_cast<long long>(points) * 100 >=
            static_cast<long long>(scale.lowest[i]) * total) {
            return i + 1;
        }
    }
    return 5;
}

const char* MarkWord(int mark) {
    static const char* const kWords[] = {"výborně", "chvalitebně", "dobře", "dostatečně",
                                         "nedostatečně"};
    return mark >= 1 && mark <= 5 ? kWords[mark - 1] : "";
}

std::string PercentText(int points, int total) {
    if (total <= 0 || points <= 0) {
        return "0";
    }
    const long long tenths = static_cast<long long>(points) * 1000 / total;
    const std::string whole = std::to_string(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + "," + std::to_string(tenths % 10);
}

} // namespace practice
