// Czech wording that the explanations and hints of every kind share: counted
// nouns ("tři atomy O", "dvě skupiny OH"), oxidation numbers in Roman numerals
// (a positive one without a sign: "III", "-II"), and element names where a
// symbol would read as a numeral. Texts are code page 1250.
#pragma once

#include <string>

namespace practice {

struct Noun {
    const char* one;
    const char* few;  // 2 to 4
    const char* many; // 5 and more
    bool feminine;
    const char* accusative; // of one
};

constexpr Noun kAtom = {"atom", "atomy", "atomů", false, "atom"};
constexpr Noun kGroup = {"skupina", "skupiny", "skupin", true, "skupinu"};
constexpr Noun kAnion = {"anion", "anionty", "aniontů", false, "anion"};
constexpr Noun kCation = {"kation", "kationty", "kationtů", false, "kation"};

// "jeden atom Cl", "dvě skupiny OH", "5 atomů O": the count in words up to
// `wordsUpTo` (at most 8), in digits above it or with `digits` ("2 atomy H").
std::string Units(int count, const Noun& noun, const std::string& what, bool digits = false,
                  int wordsUpTo = 8);
// The verb after Units: "dávají" for 2 to 4, "dává" otherwise; the same for
// any verb given as its two forms.
const char* Verb(int count, const char* singular = "dává", const char* plural = "dávají");

// The numeral prefix of a count from 1 to 10: "mono", "di" ... "deka"; empty
// beyond.
std::string NumeralPrefix(int count);
constexpr int kNumeralPrefixes = 10;

// "III", "-II"; "?" beyond VIII.
std::string Roman(int number);
// "+6", "-8", "0".
std::string Signed(int number);
// A charge as chemists write it after the number: "2-", "1+".
std::string Charge(int charge);

// The element's Czech name in the nominative ("síra", "kobalt"); empty for a
// symbol the table lacks.
std::string ElementName(const std::string& symbol);
// How a sentence names the element after "atom" or on its own: the symbol,
// but the name where the symbol could be misread: I and V read as numerals
// ("jodu"/"jod"), Al, Cl and Tl as AI, CI and TI in a sans-serif font
// ("hliníku"/"hliník").
std::string SymbolAfterAtom(const std::string& symbol);
std::string SymbolAlone(const std::string& symbol);

} // namespace practice
