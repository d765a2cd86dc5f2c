// Window-free text rules of the text and control helpers: number parsing,
// the date-and-time text and the line-number margin of a Scintilla control.
#pragma once

#include <cstdint>
#include <string>

namespace support {

// Most characters ReadTextUpTo reads, the terminator included.
constexpr int kMaxReadText = 65536;
constexpr const char* kReadTooLong = "String len > 65536";

// The decimal integer at the start of `text` (white space skipped, optional
// sign); -1 when the text does not start with one. Values beyond the 32-bit
// range are held at its ends.
int ParseInteger(const char* text);
// The decimal number (optional sign, fraction, exponent) at the start of
// `text`, white space skipped; -1.0 when the text does not start with one.
double ParseReal(const char* text);

// "7.12.2026 - 9:05:03": day, month and hour without a leading zero.
std::string FormatDateTime(int day, int month, int year, int hour, int minute, int second);

// The sample whose width the line-number margin needs: "_<lines>_".
std::string MarginSample(intptr_t lines);

// The Scintilla messages the margin sizing sends.
constexpr unsigned kSciSetMarginWidthN = 2242;
constexpr unsigned kSciGetMarginWidthN = 2243;
constexpr unsigned kSciGetLineCount = 2154;
constexpr unsigned kSciTextWidth = 2276;
constexpr intptr_t kStyleLineNumber = 33;

// Sizes margin 0 to the line count's digits (or hides it when `show` is
// false) through `send(message, wParam, lParam)`; the text-width query gets
// the sample's address as lParam. Returns the last message's result.
template <class Send> intptr_t FitMargin(Send send, bool show) {
    if (!show) {
        return send(kSciSetMarginWidthN, 0, 0);
    }
    const intptr_t lines = send(kSciGetLineCount, 0, 0);
    const std::string sample = MarginSample(lines);
    const intptr_t current = send(kSciGetMarginWidthN, 0, 0);
    const intptr_t needed =
        send(kSciTextWidth, kStyleLineNumber, reinterpret_cast<intptr_t>(sample.c_str()));
    if (needed == current) {
        return needed;
    }
    return send(kSciSetMarginWidthN, 0, needed);
}

} // namespace support
