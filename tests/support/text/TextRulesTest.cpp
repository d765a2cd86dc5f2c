// The window-free text rules: numbers, the date-and-time text, the margin sizing.
#include "support/text/TextRules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace support;

namespace {

TEST(TextRules, ParseIntegerReadsTheLeadingNumber) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42abc", 42},
        {" -7", -7},
        {"abc", -1},
        {"", -1},
        {"+5", 5},
        {"\t\n12", 12},
        {"-", -1},
        {"- 3", -1},
        {"007", 7},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ParseInteger(nullptr), -1);
}

TEST(TextRules, ParseRealReadsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2.5", 2.5},  {"-1e3", -1000.0}, {"x", -1.0},    {"", -1.0},  {" .5x", 0.5},
        {"5.", 5.0},   {"1e", 1.0},       {"1e+x", 1.0},  {".", -1.0}, {"inf", -1.0},
        {"nan", -1.0}, {"0x10", 0.0},     {"2E-2", 0.02},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseReal(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ParseReal(nullptr), -1.0);
}

TEST(TextRules, DateTimeText) {
    EXPECT_EQ(FormatDateTime(7, 12, 2026, 9, 5, 3), "7.12.2026 - 9:05:03");
    EXPECT_EQ(FormatDateTime(31, 1, 2027, 23, 59, 0), "31.1.2027 - 23:59:00");
    EXPECT_EQ(MarginSample(120), "_120_");
    EXPECT_EQ(MarginSample(0), "_0_");
}

// A stand-in for a Scintilla control: answers the four messages and records them.
struct Recorder {
    intptr_t lines = 120;
    intptr_t margin = 0;
    intptr_t charWidth = 8;
    std::vector<unsigned> sent;
    std::string sample;
    intptr_t operator()(unsigned message, intptr_t wParam, intptr_t lParam) {
        sent.push_back(message);
        switch (message) {
        case kSciGetLineCount:
            return lines;
        case kSciGetMarginWidthN:
            return margin;
        case kSciTextWidth:
            EXPECT_EQ(wParam, kStyleLineNumber);
            sample = reinterpret_cast<const char*>(lParam);
            return charWidth * static_cast<intptr_t>(sample.size());
        case kSciSetMarginWidthN:
            EXPECT_EQ(wParam, 0);
            margin = lParam;
            return 1;
        }
        ADD_FAILURE() << "unexpected message " << message;
        return 0;
    }
};

TEST(TextRules, MarginFollowsTheLineCountsDigits) {
    Recorder scintilla;
    auto send = [&](unsigned m, intptr_t w, intptr_t l) { return scintilla(m, w, l); };
    EXPECT_EQ(FitMargin(send, true), 1);
    EXPECT_EQ(scintilla.sample, "_120_");
    EXPECT_EQ(scintilla.margin, 40);
    EXPECT_EQ(scintilla.sent, (std::vector<unsigned>{kSciGetLineCount, kSciGetMarginWidthN,
                                                     kSciTextWidth, kSciSetMarginWidthN}));
    // Same width again: nothing is set, the width is the result.
    scintilla.sent.clear();
    scintilla.lines = 999;
    EXPECT_EQ(FitMargin(send, true), 40);
    EXPECT_EQ(scintilla.sent.size(), 3u);
    // Fewer digits: the margin shrinks.
    scintilla.lines = 7;
    FitMargin(send, true);
    EXPECT_EQ(scintilla.margin, 24);
    // Hidden: one message, width 0.
    scintilla.sent.clear();
    EXPECT_EQ(FitMargin(send, false), 1);
    EXPECT_EQ(scintilla.sent, std::vector<unsigned>{kSciSetMarginWidthN});
    EXPECT_EQ(scintilla.margin, 0);
}

} // namespace
