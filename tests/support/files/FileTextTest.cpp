// The window-free rules of the file utilities.
#include "support/files/FileText.h"

#include <gtest/gtest.h>

using namespace support;

namespace {

TEST(ProjectText, EveryLineEndsWithALineBreak) {
    const struct {
        std::string file;
        std::string text;
    } cases[] = {
        {"", "\n"},
        {"a\nb", "a\nb\n"},
        {"a\nb\n", "a\nb\n\n"},
        {"a\r\nb\r\n", "a\nb\n\n"},
        {"\n\n", "\n\n\n"},
        {"a\rb", "a\rb\n"},       // a lone CR is no line break
        {"a\r\r\nb", "a\r\nb\n"}, // only the CR in front of the LF goes
        {std::string("a\0b", 3), std::string("a\0b\n", 4)},
        {std::string(10000, 'x') + "\nend", std::string(10000, 'x') + "\nend\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProjectText(c.file), c.text) << testing::PrintToString(c.file);
    }
}

TEST(FileText, PathsFitTheClassicLimit) {
    EXPECT_TRUE(FitsPath(std::string(259, 'p')));
    EXPECT_FALSE(FitsPath(std::string(260, 'p')));
    EXPECT_FALSE(FitsPath(std::string("a\0b", 3)));
}

TEST(FileText, MaskingStopsAtTheTerminatorOrTheEnd) {
    char terminated[] = "0123456789\0tail";
    MaskText(terminated, sizeof terminated);
    EXPECT_EQ(std::string(terminated, sizeof terminated), std::string("**********\0tail\0", 16));
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    MaskText(unterminated, sizeof unterminated);
    EXPECT_EQ(std::string(unterminated, 4), "****");
    EXPECT_EQ(BoundedTextLength(unterminated, 0), 0u);
    EXPECT_EQ(BoundedTextLength("ab\0c", 4), 2u);
}

} // namespace
