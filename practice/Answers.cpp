#include "practice/Answers.h"

#include "chemistry/ElementTables.h"

#include <cstddef>

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
    return c == ' ' || c == '\t';
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

Grade CheckName(const std::string& right, const std::string& answer) {
    const std::string expected = FoldName(right);
    const std::string given = FoldName(answer);
    if (given == expected) {
        return Grade::Right;
    }
    if (given.size() != expected.size()) {
        return Grade::Wrong;
    }
    // Each letter is the right one or the right one without its diacritics.
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto g = static_cast<unsigned char>(given[i]);
        const auto e = static_cast<unsigned char>(expected[i]);
        if (g != e && g != Plain(e)) {
            return Grade::Wrong;
        }
    }
    return Grade::RightSpelling;
}

Grade CheckFormula(const std::string& right, const std::string& answer) {
    const std::string given = WithoutBlanks(answer);
    if (given == right) {
        return Grade::Right;
    }
    const auto expected = SplitFormula(right);
    const auto parts = SplitFormula(given);
    if (!expected || !parts || parts->symbol != expected->symbol ||
        parts->elementCount % expected->elementCount != 0) {
        return Grade::Wrong;
    }
    const int factor = parts->elementCount / expected->elementCount;
    return factor > 1 && parts->oxygenCount == factor * expected->oxygenCount ? Grade::RightMultiple
                                                                              : Grade::Wrong;
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

const char* const kRoman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};

// "jeden atom O dává -2", "3 atomy O dávají -6", "5 atomů O dává -10".
std::string OxygenClause(int count) {
    const std::string charge = " -" + std::to_string(2 * count);
    if (count == 1) {
        return "jeden atom O dává" + charge;
    }
    if (count <= 4) {
        return std::to_string(count) + " atomy O dávají" + charge;
    }
    return std::to_string(count) + " atomů O dává" + charge;
}

// Who shares the charge: "atom Fe", "každý ze dvou atomů Fe".
std::string ElementClause(int count, const std::string& symbol) {
    if (count == 1) {
        return "atom " + symbol;
    }
    if (count == 2) {
        return "každý ze dvou atomů " + symbol;
    }
    return "každý z " + std::to_string(count) + " atomů " + symbol;
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

Grade CheckAnswer(const Question& question, const std::string& answer) {
    if (WithoutBlanks(answer).empty()) {
        return Grade::Empty;
    }
    return question.ask == Ask::Name ? CheckName(question.oxide.name, answer)
                                     : CheckFormula(question.oxide.formula, answer);
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

std::string Explanation(const Oxide& oxide) {
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
    return "Kyslík má oxidační číslo -II: " + OxygenClause(parts->oxygenCount) + ", proto má " +
           ElementClause(parts->elementCount, parts->symbol) + " oxidační číslo " +
           kRoman[valence - 1] + "; tomu odpovídá přípona -" + suffix + ".";
}

} // namespace practice
