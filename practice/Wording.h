// Czech wording that the explanations of every kind share: counted nouns
// ("tři atomy O", "dvě skupiny OH") and Roman oxidation numbers. Texts are
// code page 1250.
#pragma once

#include <string>

namespace practice {

struct Noun {
    const char* one;
    const char* few;  // 2 to 4
    const char* many; // 5 and more
    bool feminine;
};

constexpr Noun kAtom = {"atom", "atomy", "atomů", false};
constexpr Noun kGroup = {"skupina", "skupiny", "skupin", true};
constexpr Noun kAnion = {"anion", "anionty", "aniontů", false};
constexpr Noun kCation = {"kation", "kationty", "kationtů", false};

// "jeden atom Cl", "dvě skupiny OH", "5 atomů O": the count in words up to
// `wordsUpTo` (at most 8), in digits above it or with `digits` ("2 atomy H").
std::string Units(int count, const Noun& noun, const std::string& what, bool digits = false,
                  int wordsUpTo = 4);

// "III", "-II"; "?" beyond VIII.
std::string Roman(int number);

} // namespace practice
