// Where a text shows the counts of a formula, so that a window can lower and
// shrink them: every run of digits straight after a letter or a closing
// parenthesis or bracket ("Fe2(SO4)3": 2, 4 and 3; "Fe4[Fe(CN)6]3": 4, 6, 3). Digits after a blank
// ("2 atomy H", "nábojem 2-", "1:1") stay as they are.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace practice {

struct Span {
    std::size_t start; // in bytes of the text
    std::size_t length;

    bool operator==(const Span& other) const {
        return start == other.start && length == other.length;
    }
};

std::vector<Span> SubscriptSpans(std::string_view text);

} // namespace practice
