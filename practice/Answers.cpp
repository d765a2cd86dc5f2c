#include "practice/Answers.h"

#include "chemistry/ElementTables.h"
#include "practice/Explanations.h"
#include "practice/Grading.h"
#include "practice/Wording.h"

#include <cstddef>
#include <vector>

namespace practice {
namespace {

// Code page 1250 lower case: ASCII, the block 0xC0-0xDE, and the letters
// whose capitals stand elsewhere (Š Ś Ť Ž Ź, Ł Ą Ş Ż Ľ).
unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + ('a' - 'A'));
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) { // 0xD7 is the multiplication sign
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
        return static_cast<unsigned char>(c + 0x10);
    case 0xA3:
        return 0xB3;
    case 0xA5:
        return 0xB9;
    case 0xAA:
        return 0xBA;
    case 0xAF:
        return 0xBF;
    case 0xBC:
        return 0xBE;
    default:
        return c;
    }
}

// A lower-case Czech or Slovak letter without its diacritics, in code page 1250.
unsigned char Plain(unsigned char c) {
    struct Pair {
        unsigned char accented, plain;
    };
    static const Pair kPairs[] = {
        {0xE1, 'a'}, {0xE4, 'a'}, {0xE8, 'c'}, {0xEF, 'd'}, {0xE9, 'e'}, // á ä č ď é
        {0xEC, 'e'}, {0xED, 'i'}, {0xE5, 'l'}, {0xBE, 'l'}, {0xF2, 'n'}, // ě í ĺ ľ ň
        {0xF3, 'o'}, {0xF4, 'o'}, {0xE0, 'r'}, {0xF8, 'r'}, {0x9A, 's'}, // ó ô ŕ ř š
        {0x9D, 't'}, {0xFA, 'u'}, {0xF9, 'u'}, {0xFD, 'y'}, {0x9E, 'z'}, // ť ú ů ý ž
    };
    for (const Pair& pair : kPairs) {
        if (pair.accented == c) {
            return pair.plain;
        }
    }
    return c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0'; // 0xA0: the no-break space
}

// The answer without the blanks and the full stop, comma or semicolon that
// may close it.
std::string Trimmed(const std::string& answer) {
    const std::size_t end = answer.find_last_not_of(" \t\xA0.,;");
    return end == std::string::npos ? "" : answer.substr(0, end + 1);
}

// Lower case, blanks at either end gone, runs of blanks as one space.
std::string FoldName(const std::string& text) {
    std::string folded;
    bool blank = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            blank = !folded.empty();
            continue;
        }
        if (blank) {
            folded += ' ';
            blank = false;
        }
        folded += static_cast<char>(Lower(static_cast<unsigned char>(c)));
    }
    return folded;
}

std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (!IsBlank(c)) {
            kept += c;
        }
    }
    return kept;
}

// Each letter is the expected one or the expected one without its diacritics.
bool SameButDiacritics(const std::string& given, const std::string& expected) {
    if (given.size() != expected.size()) {
        return false;
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto g = static_cast<unsigned char>(given[i]);
        const auto e = static_cast<unsigned char>(expected[i]);
        if (g != e && g != Plain(e)) {
            return false;
        }
    }
    return true;
}

// The first word of the name stands last in the answer: "železitý oxid".
bool FirstWordLast(const std::string& given, const std::string& name) {
    const std::string first = name.substr(0, name.find(' '));
    const std::string last = " " + first;
    return first.size() < name.size() && given.size() > last.size() &&
           given.rfind(first + " ", 0) != 0 &&
           given.compare(given.size() - last.size(), last.size(), last) == 0;
}

Assessment CheckName(const Oxide& oxide, const std::string& answer, bool isOxide) {
    std::vector<std::string> names = {oxide.name};
    names.insert(names.end(), oxide.otherNames.begin(), oxide.otherNames.end());
    const std::string given = FoldName(Trimmed(answer));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (given == FoldName(names[i])) {
            return {i == 0 ? Grade::Right : Grade::RightVariant, ""};
        }
    }
    for (const std::string& name : names) {
        if (SameButDiacritics(given, FoldName(name))) {
            return {Grade::RightSpelling, name};
        }
    }
    const std::string name = FoldName(oxide.name);
    if (!FirstWordLast(given, name)) {
        return {Grade::Wrong, ""};
    }
    return {Grade::Wrong, std::string(isOxide ? "Název oxidu" : "Název") + " začíná slovem „" +
                              name.substr(0, name.find(' ')) + "“."};
}

// What the pupil can learn from a wrong formula: a zero written for O, a
// count of 1 written out, or the right formula multiplied.
std::string FormulaNote(const std::string& right, const std::string& given) {
    const auto parts = SplitFormula(given);
    if (!parts) {
        for (std::size_t i = given.find('0'); i != std::string::npos; i = given.find('0', i + 1)) {
            std::string letter = given;
            letter[i] = 'O';
            if (SplitFormula(letter)) {
                return ZeroForOHint(letter, given);
            }
        }
        const std::string plain = WithoutWrittenOnes(given);
        if (plain != given && SplitFormula(plain)) {
            return WrittenOneHint(plain, given);
        }
        return "";
    }
    const auto expected = SplitFormula(right);
    if (!expected || parts->symbol != expected->symbol ||
        parts->elementCount % expected->elementCount != 0) {
        return "";
    }
    const int factor = parts->elementCount / expected->elementCount;
    if (factor < 2 || parts->oxygenCount != factor * expected->oxygenCount) {
        return "";
    }
    return ReduceHint(right, given);
}

Assessment CheckFormula(const Oxide& oxide, const std::string& answer) {
    const std::string given = WithoutBlanks(Trimmed(answer));
    if (given == oxide.formula) {
        return {Grade::Right, ""};
    }
    for (const std::string& molecule : oxide.molecular) {
        if (given == molecule) {
            return {Grade::RightMolecular, ""};
        }
    }
    return {Grade::Wrong, FormulaNote(oxide.formula, given)};
}

// A count as written after a symbol: nothing for 1, else 2 or more without a
// leading zero, at most three digits. Advances `at`; 0 when badly written.
int ReadCount(const std::string& text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && at - start < 4 && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    const std::size_t digits = at - start;
    if (digits == 0) {
        return 1;
    }
    if (digits > 3 || text[start] == '0') {
        return 0;
    }
    const int count = std::stoi(text.substr(start, digits));
    return count >= 2 ? count : 0;
}

// "jeden atom O", "tři atomy O", "pět atomů O"; in words up to eight, as a
// number after that or when `digits`.
std::string Atoms(int count, const std::string& symbol, bool digits) {
    return Units(count, kAtom, symbol, digits, 8);
}

// From the formula to the ending, through the zero sum of the oxidation numbers.
std::string FromFormula(const FormulaParts& parts, int valence, const std::string& suffix) {
    const int charge = 2 * parts.oxygenCount;
    const std::string oxygen =
        parts.oxygenCount == 1 ? "jeden atom O dává -2"
        : parts.oxygenCount <= 4
            ? Atoms(parts.oxygenCount, "O", false) + " dávají dohromady -" + std::to_string(charge)
            : Atoms(parts.oxygenCount, "O", false) + " dává dohromady -" + std::to_string(charge);
    const std::string element = parts.elementCount == 1
                                    ? "atom " + parts.symbol + " tedy +" + std::to_string(charge) +
                                          ", to je oxidační číslo " + Roman(valence)
                                    : Atoms(parts.elementCount, parts.symbol, false) + " tedy +" +
                                          std::to_string(charge) +
                                          ", každý z nich má oxidační číslo " + Roman(valence);
    return "Součet oxidačních čísel v oxidu je nula. Kyslík má oxidační číslo -II: " + oxygen +
           ", " + element + "; tomu odpovídá koncovka -" + suffix + ".";
}

// From the ending to the counts of atoms, through the least common multiple.
std::string FromName(const std::string& formula, const std::string& symbol, int valence,
                     const std::string& suffix) {
    const int multiple = valence % 2 == 0 ? valence : 2 * valence;
    const std::string roman = Roman(valence);
    return "Koncovka -" + suffix + " znamená oxidační číslo " + roman + ". " + symbol + "(" +
           roman + ") a O(-II): nejmenší společný násobek čísel " + std::to_string(valence) +
           " a 2 je " + std::to_string(multiple) + ", tedy " +
           Atoms(multiple / valence, symbol, true) + " a " + Atoms(multiple / 2, "O", true) + ": " +
           formula + ".";
}

} // namespace

std::optional<FormulaParts> SplitFormula(const std::string& formula) {
    std::size_t at = 0;
    if (formula.empty() || formula[0] < 'A' || formula[0] > 'Z') {
        return std::nullopt;
    }
    ++at;
    if (at < formula.size() && formula[at] >= 'a' && formula[at] <= 'z') {
        ++at;
    }
    FormulaParts parts{formula.substr(0, at), 0, 0};
    parts.elementCount = ReadCount(formula, at);
    if (parts.elementCount == 0 || at >= formula.size() || formula[at] != 'O') {
        return std::nullopt;
    }
    ++at;
    parts.oxygenCount = ReadCount(formula, at);
    if (parts.oxygenCount == 0 || at != formula.size()) {
        return std::nullopt;
    }
    return parts;
}

Assessment Assess(const Question& question, const std::string& answer) {
    if (WithoutBlanks(Trimmed(answer)).empty()) {
        return {Grade::Empty, ""};
    }
    if (question.ask == Ask::Name) {
        return CheckName(question.oxide, answer, !question.category);
    }
    if (question.category) {
        return AssessCompoundFormula(question.oxide.formula, *question.category,
                                     WithoutBlanks(Trimmed(answer)));
    }
    return CheckFormula(question.oxide, answer);
}

Suffix SuffixOf(const std::string& name) {
    // Longer endings first where one ends another (ičitý / itý, ičný / ný).
    static const Suffix kSuffixes[] = {
        {8, "ičelý"}, {7, "istý"}, {6, "ový"},  {4, "ičitý"}, {3, "itý"},
        {2, "natý"},  {5, "ičný"}, {5, "ečný"}, {1, "ný"},
    };
    for (const Suffix& suffix : kSuffixes) {
        if (name.size() > suffix.text.size() &&
            name.compare(name.size() - suffix.text.size(), suffix.text.size(), suffix.text) == 0) {
            return suffix;
        }
    }
    return {0, ""};
}

std::string Explanation(const Oxide& oxide, Ask ask) {
    const auto parts = SplitFormula(oxide.formula);
    if (!parts || (2 * parts->oxygenCount) % parts->elementCount != 0) {
        return "";
    }
    const int valence = 2 * parts->oxygenCount / parts->elementCount;
    if (valence < 1 || valence > chemistry::kValenceCount) {
        return "";
    }
    const Suffix named = SuffixOf(oxide.name);
    const std::string suffix =
        named.valence == valence ? named.text : chemistry::DialogSuffixTable[valence - 1];
    return ask == Ask::Name ? FromFormula(*parts, valence, suffix)
                            : FromName(oxide.formula, parts->symbol, valence, suffix);
}

std::string Explanation(const Question& question) {
    return question.category ? CompoundExplanation(question.oxide.formula, question.oxide.name,
                                                   *question.category, question.ask)
                             : Explanation(question.oxide, question.ask);
}

} // namespace practice
