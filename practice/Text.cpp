#include "practice/Text.h"

#include <algorithm>

#include <cstddef>

namespace practice {
namespace {

// Code page 1250 capitals and their small letters beyond ASCII and the block
// 0xC0-0xDE: Š Ś Ť Ž Ź, Ł Ą Ş Ż Ľ.
struct Case {
    unsigned char upper, lower;
};
constexpr Case kCases[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                           {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xBC, 0xBE}};

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + ('a' - 'A'));
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) { // 0xD7 is the multiplication sign
        return static_cast<unsigned char>(c + 0x20);
    }
    for (const Case& pair : kCases) {
        if (pair.upper == c) {
            return pair.lower;
        }
    }
    return c;
}

unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - ('a' - 'A'));
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) { // 0xF7 is the division sign
        return static_cast<unsigned char>(c - 0x20);
    }
    for (const Case& pair : kCases) {
        if (pair.lower == c) {
            return pair.upper;
        }
    }
    return c;
}

// A small Czech or Slovak letter without its diacritics.
unsigned char Unaccented(unsigned char c) {
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

} // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0';
}

std::string Trimmed(const std::string& text) {
    const std::size_t end = text.find_last_not_of(" \t\xA0.,;");
    return end == std::string::npos ? "" : text.substr(0, end + 1);
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

std::string Folded(const std::string& text) {
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

std::string Plain(const std::string& text) {
    std::string plain = Folded(text);
    for (char& c : plain) {
        c = static_cast<char>(Unaccented(static_cast<unsigned char>(c)));
    }
    return plain;
}

bool SameButDiacritics(const std::string& given, const std::string& expected) {
    const std::string g = Folded(given);
    const std::string e = Folded(expected);
    if (g.size() != e.size()) {
        return false;
    }
    for (std::size_t i = 0; i < g.size(); ++i) {
        const auto letter = static_cast<unsigned char>(e[i]);
        if (g[i] != e[i] && static_cast<unsigned char>(g[i]) != Unaccented(letter)) {
            return false;
        }
    }
    return true;
}

std::string Capitalised(const std::string& text) {
    std::string capital = text;
    if (!capital.empty()) {
        capital[0] = static_cast<char>(Upper(static_cast<unsigned char>(capital[0])));
    }
    return capital;
}

std::string UpperAscii(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - ('a' - 'A'));
        }
    }
    return upper;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    return Split(text, ' ');
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string WithExtension(const std::string& path, const std::string& extension) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const bool has = path.size() > extension.size() &&
                     std::equal(extension.begin(), extension.end(),
                                path.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                [&](char a, char b) { return lower(a) == lower(b); });
    return has ? path : path + extension;
}

} // namespace practice
