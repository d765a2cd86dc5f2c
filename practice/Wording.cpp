#include "practice/Wording.h"

#include <cstdlib>

namespace practice {

std::string Units(int count, const Noun& noun, const std::string& what, bool digits,
                  int wordsUpTo) {
    static const char* const kMasculine[] = {"jeden", "dva",  "tři",  "čtyři",
                                             "pět",   "šest", "sedm", "osm"};
    static const char* const kFeminine[] = {"jedna", "dvě",  "tři",  "čtyři",
                                            "pět",   "šest", "sedm", "osm"};
    const bool inWords = !digits && count >= 1 && count <= wordsUpTo && count <= 8;
    const std::string number =
        inWords ? (noun.feminine ? kFeminine : kMasculine)[count - 1] : std::to_string(count);
    return number + " " + (count == 1 ? noun.one : count <= 4 ? noun.few : noun.many) + " " + what;
}

std::string Roman(int number) {
    static const char* const kRoman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};
    const int size = std::abs(number);
    return size < 1 || size > 8 ? "?" : (number < 0 ? "-" : "") + std::string(kRoman[size - 1]);
}

} // namespace practice
