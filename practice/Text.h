// Letters and blanks of code page 1250 text as the grading and the
// explanations need them.
#pragma once

#include <string>
#include <vector>

namespace practice {

// A blank: space, tab or the no-break space 0xA0.
bool IsBlank(char c);
// The text without the blanks and the full stop, comma or semicolon that may close it.
std::string Trimmed(const std::string& text);
std::string WithoutBlanks(const std::string& text);
// Lower case, blanks at either end gone, runs of blanks as one space.
std::string Folded(const std::string& text);
// Lower case without diacritics: "Železitý" gives "zelezity".
std::string Plain(const std::string& text);
// The first letter in upper case: "síran" gives "Síran".
std::string Capitalised(const std::string& text);
// Both folded: each letter is the expected one or the expected one without its
// diacritics ("oxid zelezitý" for "oxid železitý", not "oxid železítý").
bool SameButDiacritics(const std::string& given, const std::string& expected);
// ASCII letters in upper case: "Co2" gives "CO2".
std::string UpperAscii(const std::string& text);
// The parts between single separators: "a\t\tb" split at tabs is "a", "", "b".
std::vector<std::string> Split(const std::string& text, char separator);
// The words between single spaces.
std::vector<std::string> Words(const std::string& text);

// The path with `extension` (".csv") added unless it ends in it, in any case:
// "8.A" becomes "8.A.csv", "Tabulka.CSV" stays.
std::string WithExtension(const std::string& path, const std::string& extension);

bool EndsWith(const std::string& text, const std::string& end);

} // namespace practice
