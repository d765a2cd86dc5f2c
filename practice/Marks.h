// The mark a Czech school gives for a test, 1 (výborně) to 5 (nedostatečně),
// from the share of right answers and the school's scale. Texts are code
// page 1250.
#pragma once

#include <array>
#include <string>

namespace practice {

// The lowest percentage that still earns marks 1, 2, 3 and 4; below the
// last one it is a 5.
struct MarkScale {
    std::array<int, 4> lowest = {90, 75, 50, 30};

    bool operator==(const MarkScale& other) const { return lowest == other.lowest; }
};

// What is wrong with a scale, as a sentence for the dialog: each limit from
// 0 to 100 and each lower than the one before. Empty for a good scale.
std::string ScaleFault(const MarkScale& scale);

// The mark for `points` of `total`: the best mark whose limit the exact share
// reaches (points * 100 >= limit * total, nothing rounded), so 89.9 % is not
// a 1 on a scale from 90. No questions (total 0) give a 5.
int MarkOf(int points, int total, const MarkScale& scale);

// "výborně", "chvalitebně", "dobře", "dostatečně", "nedostatečně"; "" for
// another number.
const char* MarkWord(int mark);

// The share in per cent with one decimal place at most, cut rather than
// rounded so that the number never reaches a limit the mark did not:
// "80", "83,3", "89,9" for 899 of 1000. "0" for no questions.
std::string PercentText(int points, int total);

} // namespace practice
