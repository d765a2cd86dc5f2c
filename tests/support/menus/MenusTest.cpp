// The menu utilities on real windows under Wine: a host with the test's menu
// bar, its system menu, the colour dialog answered from a second thread, and
// colour items drawn into memory and into an open menu.
#include "support/menus/Menus.h"

#include "app/Globals.h"

#include "Boxes.h"
#include "HostWindow.h"
#include "MenusTestResources.h"
#include "MessageHost.h"
#include "Pixels.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::MessageHost;
using testsupport::Pixels;

class Environment : public ::testing::Environment {
  public:
    void SetUp() override { app::g_hInstance = GetModuleHandleA(nullptr); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

std::vector<UINT> Ids(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        ids.push_back(GetMenuItemID(menu, i));
    }
    return ids;
}

std::string ItemText(HMENU menu, UINT id) {
    char text[64] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

bool HasItem(HMENU menu, UINT id) {
    return GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

// A host window with the test's menu bar.
struct MenuHost : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(
            SetMenu(host.get(), LoadMenuA(app::g_hInstance, MAKEINTRESOURCEA(IDM_TEST_MENU))));
    }
    HMENU menu() const { return GetMenu(host.get()); }
    HMENU systemMenu() const { return GetSystemMenu(host.get(), FALSE); }

    MessageHost host;
    MessageHost bare; // a window without a menu
};

TEST_F(MenuHost, StripSystemMenuLeavesOnlyClose) {
    // Restore, move, size, minimize, maximize, a separator, close (and, under
    // Wine, a separator and "About Wine" after close).
    std::vector<UINT> expected = Ids(systemMenu());
    ASSERT_GE(expected.size(), 7u);
    for (UINT removed : {SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE, SC_SIZE, SC_MOVE}) {
        ASSERT_TRUE(HasItem(systemMenu(), removed));
        expected.erase(std::find(expected.begin(), expected.end(), removed));
    }
    ASSERT_EQ(expected.front(), 0u); // the separator above close
    expected.erase(expected.begin());
    ASSERT_EQ(expected.front(), static_cast<UINT>(SC_CLOSE));
    EXPECT_TRUE(support::StripSystemMenu(host.get()));
    EXPECT_EQ(Ids(systemMenu()), expected);
}

TEST_F(MenuHost, StripSystemMenuStopsAtTheFirstMissingCommand) {
    ASSERT_TRUE(support::RemoveSystemMenuCommand(host.get(), SC_MAXIMIZE));
    EXPECT_FALSE(support::RemoveSystemMenuCommand(host.get(), SC_MAXIMIZE));
    EXPECT_FALSE(support::StripSystemMenu(host.get()));
    // Restore went before the missing maximize; the rest stays.
    EXPECT_FALSE(HasItem(systemMenu(), SC_RESTORE));
    for (UINT kept : {SC_MINIMIZE, SC_SIZE, SC_MOVE, SC_CLOSE}) {
        EXPECT_TRUE(HasItem(systemMenu(), kept)) << std::hex << kept;
    }
}

TEST_F(MenuHost, RemoveMenuCommand) {
    EXPECT_TRUE(support::RemoveMenuCommand(host.get(), ID_OPEN));
    EXPECT_FALSE(HasItem(menu(), ID_OPEN));
    EXPECT_FALSE(support::RemoveMenuCommand(host.get(), ID_OPEN));
    EXPECT_FALSE(support::RemoveMenuCommand(bare.get(), ID_OPEN));
}

TEST_F(MenuHost, TopmostItemAndSeparatorGoBeforeTheGivenItem) {
    EXPECT_TRUE(support::InsertTopmostMenuItem(host.get(), ID_EXIT, 900, 901));
    const HMENU file = GetSubMenu(menu(), 0);
    EXPECT_EQ(Ids(file), (std::vector<UINT>{ID_NEW, ID_OPEN, 0, 900, 901, ID_EXIT}));
    EXPECT_EQ(ItemText(file, 900), "Na vrchu");
    EXPECT_EQ(GetMenuState(file, 900, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_NE(GetMenuState(file, 901, MF_BYCOMMAND) & MF_SEPARATOR, 0u);
    EXPECT_NE(GetMenuState(file, 901, MF_BYCOMMAND) & MF_GRAYED, 0u);

    EXPECT_FALSE(support::InsertTopmostMenuItem(bare.get(), ID_EXIT, 902, 903));

    EXPECT_TRUE(support::InsertTopmostSystemMenuItem(host.get(), 910, 911));
    const std::vector<UINT> system = Ids(systemMenu());
    ASSERT_GE(system.size(), 3u);
    EXPECT_EQ(system[0], 910u);
    EXPECT_EQ(system[1], 911u);
    EXPECT_EQ(system[2], static_cast<UINT>(SC_RESTORE));
    EXPECT_EQ(ItemText(systemMenu(), 910), "Na vrchu");
}

TEST_F(MenuHost, CheckMarksReadAndToggled) {
    EXPECT_EQ(support::IsMenuCommandChecked(host.get(), ID_NEW), 0u);
    // One identifier: a toggle, returning the previous state.
    EXPECT_EQ(support::ToggleMenuCheck(host.get(), ID_NEW, ID_NEW), DWORD{MF_UNCHECKED});
    EXPECT_EQ(support::IsMenuCommandChecked(host.get(), ID_NEW), UINT{MFS_CHECKED});
    EXPECT_EQ(support::ToggleMenuCheck(host.get(), ID_NEW, ID_NEW), DWORD{MF_CHECKED});
    EXPECT_EQ(support::IsMenuCommandChecked(host.get(), ID_NEW), 0u);

    // Two: the second becomes the opposite of the first, whatever it was.
    const struct {
        bool first, second, result;
    } cases[] = {
        {true, true, false}, {true, false, false}, {false, false, true}, {false, true, true}};
    for (const auto& c : cases) {
        CheckMenuItem(menu(), ID_NEW, MF_BYCOMMAND | (c.first ? MF_CHECKED : MF_UNCHECKED));
        CheckMenuItem(menu(), ID_OPEN, MF_BYCOMMAND | (c.second ? MF_CHECKED : MF_UNCHECKED));
        support::ToggleMenuCheck(host.get(), ID_NEW, ID_OPEN);
        EXPECT_EQ(support::IsMenuCommandChecked(host.get(), ID_OPEN) != 0, c.result);
        EXPECT_EQ(support::IsMenuCommandChecked(host.get(), ID_NEW) != 0, c.first);
    }
    EXPECT_EQ(support::IsMenuCommandChecked(host.get(), 4242), 0u);
    EXPECT_EQ(support::IsMenuCommandChecked(bare.get(), ID_NEW), 0u);
}

TEST_F(MenuHost, EnableMenuCommand) {
    const struct {
        BOOL flag;
        UINT state;
    } cases[] = {{0, MF_GRAYED | MF_DISABLED}, {5, 0}, {0, MF_GRAYED | MF_DISABLED}, {1, 0}};
    for (const auto& c : cases) {
        EXPECT_TRUE(support::EnableMenuCommand(host.get(), ID_OPEN, c.flag));
        EXPECT_EQ(GetMenuState(menu(), ID_OPEN, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), c.state);
    }
    EXPECT_FALSE(support::EnableMenuCommand(bare.get(), ID_OPEN, 1));
}

TEST_F(MenuHost, ItemDataByCommand) {
    EXPECT_TRUE(support::SetMenuCommandData(host.get(), ID_RED, 0x0000FF));
    EXPECT_TRUE(support::SetMenuCommandData(host.get(), ID_BLUE, 0xFF0000));
    EXPECT_EQ(support::GetMenuCommandData(host.get(), ID_RED), 0x0000FFu);
    EXPECT_EQ(support::GetMenuCommandData(host.get(), ID_BLUE), 0xFF0000u);
    EXPECT_FALSE(support::SetMenuCommandData(host.get(), 4242, 1));
    EXPECT_EQ(support::GetMenuCommandData(host.get(), 4242), 0u);
    EXPECT_FALSE(support::SetMenuCommandData(bare.get(), ID_RED, 1));
    EXPECT_EQ(support::GetMenuCommandData(bare.get(), ID_RED), 0u);
}

TEST_F(MenuHost, ReplaceWindowMenu) {
    const HMENU old = menu();
    EXPECT_TRUE(support::ReplaceWindowMenu(host.get(), IDM_OTHER_MENU));
    EXPECT_FALSE(IsMenu(old));
    EXPECT_TRUE(HasItem(menu(), ID_ONE));
    // Only the low 16 bits name the resource.
    EXPECT_TRUE(support::ReplaceWindowMenu(host.get(), 0x10000 | IDM_TEST_MENU));
    EXPECT_TRUE(HasItem(menu(), ID_RED));

    // A menu that cannot be loaded: the old one is gone and the window no
    // longer holds its handle.
    const HMENU destroyed = menu();
    EXPECT_FALSE(support::ReplaceWindowMenu(host.get(), IDM_MISSING_MENU));
    EXPECT_FALSE(IsMenu(destroyed));
    EXPECT_EQ(menu(), nullptr);
    EXPECT_TRUE(support::ReplaceWindowMenu(host.get(), IDM_OTHER_MENU));
    EXPECT_TRUE(HasItem(menu(), ID_ONE));
}

MENUITEMINFOA CheckMarks(HMENU menu, UINT id) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoA(menu, id, FALSE, &item);
    return item;
}

TEST_F(MenuHost, CheckMarkBitmaps) {
    EXPECT_TRUE(support::SetMenuCommandBitmaps(host.get(), IDB_UNCHECKED, 0x10000 | IDB_CHECKED,
                                               ID_NEW, ID_OPEN));
    const MENUITEMINFOA first = CheckMarks(menu(), ID_NEW);
    const MENUITEMINFOA second = CheckMarks(menu(), ID_OPEN);
    EXPECT_NE(first.hbmpUnchecked, nullptr);
    EXPECT_NE(first.hbmpChecked, nullptr);
    EXPECT_NE(first.hbmpChecked, first.hbmpUnchecked);
    EXPECT_EQ(second.hbmpUnchecked, first.hbmpUnchecked);
    EXPECT_EQ(second.hbmpChecked, nullptr);

    // Bitmaps that cannot be loaded are passed on as none.
    EXPECT_TRUE(
        support::SetMenuCommandBitmaps(host.get(), IDB_MISSING, IDB_MISSING, ID_NEW, ID_OPEN));
    EXPECT_EQ(CheckMarks(menu(), ID_NEW).hbmpUnchecked, nullptr);
    EXPECT_EQ(CheckMarks(menu(), ID_NEW).hbmpChecked, nullptr);
    EXPECT_FALSE(
        support::SetMenuCommandBitmaps(bare.get(), IDB_UNCHECKED, IDB_CHECKED, ID_NEW, ID_OPEN));
}

TEST(ButtonBitmap, SetsTheImageAndReturnsThePreviousOne) {
    MessageHost host;
    HWND button = testsupport::CreateChild(host.get(), "BUTTON", "", WS_VISIBLE | BS_BITMAP, 10, 10,
                                           40, 40, 50);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(support::SetButtonBitmap(host.get(), 50, IDB_UNCHECKED), nullptr);
    const auto first = reinterpret_cast<HANDLE>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(support::SetButtonBitmap(host.get(), 50, 0x10000 | IDB_CHECKED), first);
    const auto second =
        reinterpret_cast<HANDLE>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(second, nullptr);
    EXPECT_NE(second, first);
}

TEST(ColourMenuItem, MeasuresAFixedSize) {
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_RED;
    EXPECT_EQ(support::MeasureColourMenuItem(&measure), &measure);
    EXPECT_EQ(measure.itemWidth, 120u);
    EXPECT_EQ(measure.itemHeight, 25u);
}

// Makes the items of the colour menu owner-drawn, as a host of colour items does.
void MakeOwnerDrawn(HMENU menu, std::initializer_list<UINT> ids) {
    for (UINT id : ids) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE;
        item.fType = MFT_OWNERDRAW;
        SetMenuItemInfoA(menu, id, FALSE, &item);
    }
}

TEST_F(MenuHost, DrawColourMenuItemFillsFramesAndWrites) {
    const HMENU colours = GetSubMenu(menu(), 1);
    MakeOwnerDrawn(colours, {ID_RED});
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    constexpr COLORREF kGrey300 = RGB(100, 100, 100);
    constexpr COLORREF kGrey299 = RGB(100, 100, 99);
    const struct {
        UINT state;
        COLORREF colour;
        bool framed;
        COLORREF text;
    } cases[] = {
        {0, kGrey300, false, RGB(0, 0, 0)},
        {0, kGrey299, false, RGB(255, 255, 255)},
        {ODS_SELECTED, kGrey300, true, RGB(0, 0, 0)},
        {ODS_HOTLIGHT, kGrey299, true, RGB(255, 255, 255)},
        {ODS_SELECTED | ODS_DISABLED, kGrey300, false, RGB(0, 0, 0)},
        {ODS_HOTLIGHT | ODS_DISABLED, kGrey299, false, RGB(255, 255, 255)},
        {ODS_DISABLED, RGB(200, 30, 30), false, RGB(255, 255, 255)},
        {ODS_SELECTED, RGB(250, 220, 60), true, RGB(0, 0, 0)},
    };
    const int w = 120, h = 25; // the measured size of an item
    testsupport::Surface surface(w, h);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "state " << c.state << " colour " << testsupport::ColourText(c.colour));
        surface.Fill(kMagenta);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = ID_RED;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = c.state;
        draw.hwndItem = reinterpret_cast<HWND>(colours);
        draw.hDC = surface.dc();
        draw.rcItem = surface.rect();
        draw.itemData = c.colour;
        EXPECT_TRUE(support::DrawColourMenuItem(&draw));
        const Pixels pixels = surface.Read();
        const auto is = [](COLORREF wanted) {
            return [wanted](COLORREF c) { return c == wanted; };
        };

        EXPECT_EQ(pixels.Count(is(kMagenta)), 0);
        if (c.framed) {
            // A raised frame, the colour inset by 4 on every side.
            EXPECT_NE(pixels.at(0, 0), c.colour);
            EXPECT_EQ(pixels.at(4, 4), c.colour);
            EXPECT_EQ(pixels.at(w - 5, h - 5), c.colour);
            EXPECT_EQ(pixels.Count([&](COLORREF p) { return p != c.colour; }, {0, 0, w, 4}), w * 4);
            EXPECT_EQ(pixels.Count([&](COLORREF p) { return p != c.colour; }, {0, 4, 4, h - 4}),
                      4 * (h - 8));
            EXPECT_EQ(pixels.Count([&](COLORREF p) { return p != c.colour; }, {w - 4, 4, w, h - 4}),
                      4 * (h - 8));
        } else {
            // Edge to edge: the corners and the first 10 columns are the colour.
            EXPECT_EQ(pixels.at(0, 0), c.colour);
            EXPECT_EQ(pixels.at(w - 1, h - 1), c.colour);
            EXPECT_EQ(pixels.Count(is(c.colour), {0, 0, 10, h}), 10 * h);
        }
        // The text, 10 pixels in, in black or white by the colour's sum.
        const RECT text = {10, 4, w - 4, h - 4};
        const COLORREF other = c.text == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0);
        EXPECT_GT(pixels.Count(is(c.text), text), 10);
        EXPECT_EQ(pixels.Count(is(other), text), 0);
    }
}

TEST_F(MenuHost, ChooseMenuCommandColourWithTheColourDialog) {
    ASSERT_TRUE(support::SetMenuCommandData(host.get(), ID_GREEN, RGB(0, 128, 0)));
    support::MenuCustomColours[5] = RGB(1, 2, 3);
    testsupport::DialogSeen seen;
    {
        testsupport::DialogAnswerer answerer(
            "Barva", testsupport::AnswerColourDialog(RGB(10, 20, 30), &seen, true));
        EXPECT_TRUE(support::ChooseMenuCommandColour(host.get(), ID_GREEN));
        EXPECT_TRUE(answerer.seen());
    }
    EXPECT_EQ(seen.colour, "0,128,0"); // the item's colour
    EXPECT_TRUE(seen.fullyOpen);
    EXPECT_EQ(seen.owner, host.get());
    EXPECT_EQ(support::GetMenuCommandData(host.get(), ID_GREEN), 0x1E140Au);
    EXPECT_EQ(support::MenuCustomColours[0], 0x1E140Au);
    EXPECT_EQ(support::MenuCustomColours[5], RGB(1, 2, 3));
    {
        testsupport::DialogAnswerer answerer("Barva",
                                             testsupport::AnswerColourDialog(std::nullopt, &seen));
        EXPECT_FALSE(support::ChooseMenuCommandColour(host.get(), ID_GREEN));
        EXPECT_TRUE(answerer.seen());
    }
    EXPECT_EQ(seen.colour, "10,20,30");
    EXPECT_EQ(support::GetMenuCommandData(host.get(), ID_GREEN), 0x1E140Au);
    EXPECT_EQ(support::MenuCustomColours[0], 0x1E140Au);
}

TEST(ColourMenu, AnOpenMenuMeasuresAndHighlightsItsItems) {
    MessageHost host(RGB(255, 255, 255), 320, 220, "Barevné menu");
    ASSERT_TRUE(SetMenu(host.get(), LoadMenuA(app::g_hInstance, MAKEINTRESOURCEA(IDM_TEST_MENU))));
    const HMENU colours = GetSubMenu(GetMenu(host.get()), 1);
    MakeOwnerDrawn(colours, {ID_RED, ID_GREEN, ID_BLUE, ID_YELLOW});
    support::SetMenuCommandData(host.get(), ID_RED, RGB(220, 30, 30));
    support::SetMenuCommandData(host.get(), ID_GREEN, RGB(40, 160, 60));
    support::SetMenuCommandData(host.get(), ID_BLUE, RGB(30, 60, 200));
    support::SetMenuCommandData(host.get(), ID_YELLOW, RGB(250, 220, 60));

    std::atomic<bool> highlighted{false};
    std::atomic<int> measured{0};
    host.SetHandler([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_MEASUREITEM) {
            support::MeasureColourMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            ++measured;
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            support::DrawColourMenuItem(draw);
            if (draw->itemID == ID_GREEN && (draw->itemState & ODS_SELECTED) != 0) {
                highlighted = true;
            }
            return TRUE;
        }
        return std::nullopt;
    });

    const auto drive = [&](HWND popup) {
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        if (testsupport::WaitUntil([&] { return highlighted.load(); }, 10)) {
            testsupport::SaveScreenshot(host.get(),
                                        testsupport::ScreenshotPath("support-colour-menu"));
        }
        PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    testsupport::DialogAnswerer driver("", drive, 20, "#32768");
    POINT at = {10, 0};
    ClientToScreen(host.get(), &at);
    TrackPopupMenu(colours, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, host.get(), nullptr);
    EXPECT_TRUE(driver.seen());
    EXPECT_GE(measured.load(), 4);
    EXPECT_TRUE(highlighted.load());
}

} // namespace
