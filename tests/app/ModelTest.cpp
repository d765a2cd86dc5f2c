#include "app/MainDialogModel.h"

#include <gtest/gtest.h>

using namespace app;

namespace {

TEST(MainDialogModel, ListItems) {
    EXPECT_EQ(ElementCountItems(), (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(OxygenItems(), (std::vector<std::string>{"O"}));
    EXPECT_EQ(OxygenCountItems(), (std::vector<std::string>{"1", "2", "3", "4", "5", "7", ""}));
}

TEST(MainDialogModel, JoinsFormulaOnlyWithSymbolAndOxygen) {
    EXPECT_EQ(JoinFormula("Fe", "2", "O", "3"), "Fe2O3");
    EXPECT_EQ(JoinFormula("Fe", "", "O", ""), "FeO");
    EXPECT_EQ(JoinFormula("Fe", "", "O", "3"), "FeO3");
    EXPECT_EQ(JoinFormula(" x", "12", "o", "3 "), " x12o3 "); // typed texts pass unchanged
    EXPECT_FALSE(JoinFormula("", "2", "O", "3"));
    EXPECT_FALSE(JoinFormula("Fe", "2", "", "3"));
    EXPECT_TRUE(CompositionComplete("želez", "itý"));
    EXPECT_FALSE(CompositionComplete("", "itý"));
    EXPECT_FALSE(CompositionComplete("želez", ""));
}

TEST(MainDialogModel, VersionAndCaption) {
    EXPECT_EQ(FormatFileVersion(0x00010000, 0x00000002), "1.0.0.2");
    EXPECT_EQ(FormatFileVersion(0x00010002, 0x00030004), "1.2.3.4");
    EXPECT_EQ(FormatFileVersion(0xFFFFFFFF, 0xFFFFFFFF), "65535.65535.65535.65535");
    EXPECT_EQ(MainCaption(std::string(kCaptionPrefix) + "1.0.0.2"),
              "Zemit 1.0.0.2 betatesting version");
}

} // namespace
