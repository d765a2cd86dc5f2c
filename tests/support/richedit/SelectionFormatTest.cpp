#include "support/richedit/SelectionFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using support::SelectionFormat;

SelectionFormat Read(std::uint32_t effects) {
    SelectionFormat read;
    read.mask = 0x12345678;
    read.effects = effects;
    read.textColour = 0x00ABCDEF;
    read.backColour = 0x00123456;
    read.charSet = 238;
    read.pitchAndFamily = 0x22;
    std::strcpy(read.face, "Liberation Sans");
    return read;
}

TEST(ComposeSelectionFormat, EffectsComeFromTheFlagsButStrikeoutStays) {
    const struct {
        std::uint32_t readEffects;
        bool bold, italic, underline;
        std::uint32_t sent;
    } cases[] = {
        {support::kEffectBold, false, false, false, 0},
        {0, true, false, false, support::kEffectBold},
        {0, false, true, true, support::kEffectItalic | support::kEffectUnderline},
        {support::kEffectStrikeout, false, false, false, support::kEffectStrikeout},
        {support::kEffectStrikeout | support::kEffectBold, true, true, false,
         support::kEffectStrikeout | support::kEffectBold | support::kEffectItalic},
        {0xFFFFFFF7u, false, false, false, 0}, // nothing else of what was read
    };
    for (const auto& c : cases) {
        const SelectionFormat sent = support::ComposeSelectionFormat(
            Read(c.readEffects), 0xF, 0, 0, 0, c.bold, c.italic, c.underline);
        EXPECT_EQ(sent.effects, c.sent) << std::hex << c.readEffects;
    }
}

TEST(ComposeSelectionFormat, ColourMaskAndKeptFields) {
    const SelectionFormat sent =
        support::ComposeSelectionFormat(Read(0), 0x40000001, 255, 0, 0, true, false, false);
    EXPECT_EQ(sent.textColour, 0x0000FFu);
    EXPECT_EQ(sent.mask, 0x40000001u);
    EXPECT_EQ(sent.backColour, 0xFFFFFFu); // white
    EXPECT_EQ(sent.charSet, 238);
    EXPECT_EQ(sent.pitchAndFamily, 0x22);
    EXPECT_STREQ(sent.face, "Liberation Sans");

    const struct {
        unsigned red, green, blue;
        std::uint32_t colour;
    } colours[] = {
        {0, 255, 0, 0x00FF00},
        {0, 0, 255, 0xFF0000},
        {10, 20, 30, 0x1E140A},
        {0x1FF, 0x100, 0x2AB, 0xAB00FF}, // only the low 8 bits count
    };
    for (const auto& c : colours) {
        EXPECT_EQ(
            support::ComposeSelectionFormat(Read(0), 0, c.red, c.green, c.blue, false, false, false)
                .textColour,
            c.colour);
    }
}

TEST(ComposeSelectionFormat, AnUnterminatedFaceIsCutInsideItsField) {
    SelectionFormat read = Read(0);
    std::memset(read.face, 'A', sizeof read.face);
    const SelectionFormat sent = support::ComposeSelectionFormat(read, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(std::string(sent.face), std::string(31, 'A'));
}

TEST(CopyFaceName, CutsTo31CharactersAndNeverWritesPastTheField) {
    const struct {
        std::string face;
        std::string stored;
    } cases[] = {
        {"Arial", "Arial"},
        {"", ""},
        {std::string(31, 'x'), std::string(31, 'x')},
        {std::string(32, 'y'), std::string(31, 'y')},
        {std::string(200, 'z'), std::string(31, 'z')},
    };
    for (const auto& c : cases) {
        struct {
            char field[support::kFaceNameSize];
            char guard[4];
        } target;
        std::memset(&target, '#', sizeof target);
        support::CopyFaceName(target.field, c.face.c_str());
        EXPECT_EQ(std::string(target.field), c.stored);
        EXPECT_EQ(std::string(target.guard, 4), "####");
        EXPECT_EQ(target.field[support::kFaceNameSize - 1], '\0');
    }
    char field[support::kFaceNameSize];
    support::CopyFaceName(field, nullptr);
    EXPECT_STREQ(field, "");
}

} // namespace
