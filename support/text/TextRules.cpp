#include "support/text/TextRules.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace support {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int ParseInteger(const char* text) {
    if (text == nullptr) {
        return -1;
    }
    const char* p = text;
    while (IsSpace(*p)) {
        ++p;
    }
    const char* number = p;
    if (*p == '+' || *p == '-') {
        ++p;
    }
    if (!IsDigit(*p)) {
        return -1;
    }
    const long long value = std::strtoll(number, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

double ParseReal(const char* text) {
    if (text == nullptr) {
        return -1.0;
    }
    const char* p = text;
    while (IsSpace(*p)) {
        ++p;
    }
    // Only the decimal form is taken: no "inf", "nan" or hexadecimal numbers.
    const char* start = p;
    if (*p == '+' || *p == '-') {
        ++p;
    }
    bool digits = false;
    while (IsDigit(*p)) {
        ++p;
        digits = true;
    }
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) {
            ++p;
            digits = true;
        }
    }
    if (!digits) {
        return -1.0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') {
            ++e;
        }
        if (IsDigit(*e)) {
            while (IsDigit(*e)) {
                ++e;
            }
            p = e;
        }
    }
    return std::strtod(std::string(start, p).c_str(), nullptr);
}

std::string FormatDateTime(int day, int month, int year, int hour, int minute, int second) {
    char text[512];
    std::snprintf(text, sizeof text, "%d.%d.%d - %d:%.2d:%.2d", day, month, year, hour, minute,
                  second);
    return text;
}

std::string MarginSample(intptr_t lines) {
    return "_" + std::to_string(lines) + "_";
}

} // namespace support
