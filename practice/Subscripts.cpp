#include "practice/Subscripts.h"

namespace practice {

std::vector<Span> SubscriptSpans(std::string_view text) {
    std::vector<Span> spans;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char before = text[i - 1];
        const bool follows = (before >= 'A' && before <= 'Z') || (before >= 'a' && before <= 'z') ||
                             before == ')' || before == ']';
        if (!follows || text[i] < '0' || text[i] > '9') {
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        spans.push_back({start, i - start});
    }
    return spans;
}

} // namespace practice
