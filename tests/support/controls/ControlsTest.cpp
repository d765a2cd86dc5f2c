// The painted controls in real windows under Wine, checked by their pixels.
#include "support/controls/Controls.h"

#include "app/Globals.h"

#include "HostWindow.h"
#include "MessageHost.h"
#include "Pixels.h"
#include "Screenshot.h"
#include "Wait.h"

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::CreateChild;
using testsupport::MessageHost;
using testsupport::Pixels;

constexpr COLORREF kGrey = RGB(200, 200, 200);
constexpr COLORREF kCaptionYellow = RGB(255, 255, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kElapsedBlue = RGB(0, 0, 208);

class Environment : public ::testing::Environment {
  public:
    void SetUp() override {
        app::g_hInstance = GetModuleHandleA(nullptr);
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

  private:
    ULONG_PTR token_ = 0;
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

bool ClassRegistered(const char* name) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(app::g_hInstance, name, &wc) != FALSE;
}

void RegisterClassesOnce() {
    if (!ClassRegistered(support::kButtonClassName)) {
        ASSERT_TRUE(support::RegisterButtonClass());
    }
    if (!ClassRegistered(support::kLinkClassName)) {
        ASSERT_TRUE(support::RegisterLinkClass());
    }
    if (!ClassRegistered(support::kTimerButtonClassName)) {
        ASSERT_TRUE(support::RegisterTimerButtonClass());
    }
}

// Paints the host and its controls once, background first.
void Repaint(HWND host) {
    RedrawWindow(host, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

// A colour that is opaque light yellow, allowing for the edges of glyphs.
bool IsCaptionYellow(COLORREF c) {
    return testsupport::Near(c, kCaptionYellow, 12);
}

TEST(TimerButtonClass, RegistersNothingWhenItsBaseClassCannotBeQueried) {
    // Starts without the class, whatever ran before.
    if (ClassRegistered(support::kTimerButtonClassName)) {
        ASSERT_TRUE(UnregisterClassA(support::kTimerButtonClassName, app::g_hInstance));
    }
    support::BaseButtonProc = nullptr;
    EXPECT_FALSE(support::detail::RegisterTimerButtonClassFrom("NoSuchBaseClass"));
    EXPECT_FALSE(ClassRegistered(support::kTimerButtonClassName));
    EXPECT_EQ(support::BaseButtonProc, nullptr);

    EXPECT_TRUE(support::RegisterTimerButtonClass());
    EXPECT_TRUE(ClassRegistered(support::kTimerButtonClassName));
    WNDCLASSEXA button = {};
    button.cbSize = sizeof button;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "BUTTON", &button));
    EXPECT_EQ(support::BaseButtonProc, button.lpfnWndProc);
    // A second registration of the same name fails and says so.
    EXPECT_FALSE(support::RegisterTimerButtonClass());
}

TEST(GradientButton, TranslucentGradientInsideRoundedCornersOverTheBackground) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    const int left = 20, top = 20, width = 160, height = 60;
    HWND button = CreateChild(host.get(), support::kButtonClassName, "", WS_VISIBLE, left, top,
                              width, height, 7);
    ASSERT_NE(button, nullptr);
    Repaint(host.get());
    const Pixels pixels(host.get());

    // Outside the rounded region the host's background stays untouched.
    const POINT corners[] = {{0, 0}, {1, 1}, {3, 0}, {0, 3}};
    for (const POINT& p : corners) {
        EXPECT_EQ(pixels.at(left + p.x, top + p.y), kGrey);
        EXPECT_EQ(pixels.at(left + width - 1 - p.x, top + p.y), kGrey);
        EXPECT_EQ(pixels.at(left + p.x, top + height - 1 - p.y), kGrey);
        EXPECT_EQ(pixels.at(left + width - 1 - p.x, top + height - 1 - p.y), kGrey);
    }
    // Alpha 125 of 255: about half the gradient's colour and half the grey.
    // Green, which neither end colour has, comes from the background alone.
    const COLORREF topLeft = pixels.at(left + 8, top + 8);
    const COLORREF bottomRight = pixels.at(left + width - 9, top + height - 9);
    EXPECT_TRUE(testsupport::Near(topLeft, RGB(109, 102, 220), 16))
        << testsupport::ColourText(topLeft);
    EXPECT_TRUE(testsupport::Near(bottomRight, RGB(220, 102, 109), 16))
        << testsupport::ColourText(bottomRight);
    // No caption, no yellow.
    EXPECT_EQ(pixels.Count(IsCaptionYellow, testsupport::RectInParent(button)), 0);
}

TEST(GradientButton, CaptionInLightYellowCentred) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    const struct {
        std::string caption;
        bool drawn;
    } cases[] = {
        {"Tlačítko", true},
        {"", false},
    };
    for (const auto& c : cases) {
        HWND button = CreateChild(host.get(), support::kButtonClassName, c.caption.c_str(),
                                  WS_VISIBLE, 20, 20, 200, 80, 7);
        Repaint(host.get());
        const Pixels pixels(host.get());
        const RECT area = testsupport::RectInParent(button);
        const int yellow = pixels.Count(IsCaptionYellow, area);
        if (c.drawn) {
            EXPECT_GT(yellow, 30) << c.caption;
        } else {
            EXPECT_EQ(yellow, 0);
        }
        if (c.caption == "Tlačítko") {
            // Centred: as much of the text left of the middle as right of it.
            const int leftHalf =
                pixels.Count(IsCaptionYellow, {area.left, area.top, area.left + 100, area.bottom});
            EXPECT_NEAR(leftHalf, yellow - leftHalf, yellow / 4);
        }
        DestroyWindow(button);
    }
}

TEST(GradientButton, CaptionLongerThanItsBufferIsDrawnCut) {
    RegisterClassesOnce();
    MessageHost host(kGrey, 800, 200);
    // Where the caption's yellow falls, as a row-major picture.
    const auto drawing = [&](const std::string& caption) {
        HWND button = CreateChild(host.get(), support::kButtonClassName, caption.c_str(),
                                  WS_VISIBLE, 0, 20, 780, 80, 7);
        Repaint(host.get());
        const Pixels pixels(host.get());
        const RECT area = testsupport::RectInParent(button);
        std::string shape;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                shape += IsCaptionYellow(pixels.at(x, y)) ? '#' : '.';
            }
        }
        DestroyWindow(button);
        return shape;
    };
    const std::string fits = drawing(std::string(99, 'i'));
    EXPECT_NE(fits.find('#'), std::string::npos);
    EXPECT_TRUE(drawing(std::string(99, 'i') + std::string(60, 'W')) == fits);
}

// The size a link should take: its text in the underlined GUI font.
SIZE LinkTextSize(HWND link, const std::string& text) {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfUnderline = 1;
    HFONT underlined = CreateFontIndirectA(&font);
    HDC dc = GetDC(link);
    HGDIOBJ previous = SelectObject(dc, underlined);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(link, dc);
    DeleteObject(underlined);
    return size;
}

TEST(Link, TakesTheSizeOfItsTextAndKeepsItsPlace) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    HWND link = CreateChild(host.get(), support::kLinkClassName, "www.zemit.example", WS_VISIBLE,
                            30, 100, 5, 5, 9);
    ASSERT_NE(link, nullptr);
    const std::string texts[] = {"www.zemit.example", "Jiný, mnohem delší text odkazu", "",
                                 std::string(250, 'x')};
    for (const std::string& text : texts) {
        if (text != texts[0]) {
            SetWindowTextA(link, text.c_str());
        }
        const SIZE expected = LinkTextSize(link, text.substr(0, 199));
        const RECT r = testsupport::RectInParent(link);
        EXPECT_EQ(r.left, 30);
        EXPECT_EQ(r.top, 100);
        EXPECT_EQ(r.right - r.left, expected.cx) << text;
        EXPECT_EQ(r.bottom - r.top, expected.cy) << text;
    }
}

TEST(Link, BlueUnderlinedTextOnTheButtonFace) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    HWND link =
        CreateChild(host.get(), support::kLinkClassName, "Odkaz", WS_VISIBLE, 30, 100, 5, 5, 9);
    Repaint(host.get());
    const Pixels pixels(host.get());
    const RECT area = testsupport::RectInParent(link);
    const int blue = pixels.Count([](COLORREF c) { return c == kLinkBlue; }, area);
    // At least the underline: a full row of blue under the text.
    EXPECT_GE(blue, (area.right - area.left) * 3 / 4);
    // Everything else is the button face or a blend of it with the blue.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(pixels.Count(
                  [face](COLORREF c) {
                      return GetRValue(c) > GetRValue(face) || GetGValue(c) > GetGValue(face) ||
                             GetBValue(c) < GetBValue(face);
                  },
                  area),
              0);
}

TEST(Clicks, EachControlSendsOneCommandPerRelease) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    HWND button =
        CreateChild(host.get(), support::kButtonClassName, "A", WS_VISIBLE, 10, 10, 100, 40, 101);
    HWND link =
        CreateChild(host.get(), support::kLinkClassName, "Odkaz", WS_VISIBLE, 10, 60, 5, 5, 102);
    HWND timer = CreateChild(host.get(), support::kTimerButtonClassName, "", WS_VISIBLE, 10, 90,
                             100, 40, 103);
    const struct {
        HWND control;
        int id;
        bool press;
    } cases[] = {{button, 101, false}, {link, 102, false}, {timer, 103, true}};
    for (const auto& c : cases) {
        host.ClearCommands();
        for (int release = 0; release < 2; ++release) {
            if (c.press) {
                SendMessageA(c.control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            }
            SendMessageA(c.control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        }
        ASSERT_EQ(host.commands().size(), 2u) << c.id;
        for (const auto& command : host.commands()) {
            EXPECT_EQ(command.wParam, MAKEWPARAM(c.id, 0));
            EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(c.control));
        }
    }
}

// "text" as the timer button draws it on a surface of the button's size.
std::string ElapsedMask(HWND button, const char* text) {
    RECT client;
    GetClientRect(button, &client);
    const testsupport::Surface surface(client.right, client.bottom);
    SetBkMode(surface.dc(), TRANSPARENT);
    SetTextColor(surface.dc(), kElapsedBlue);
    DrawTextA(surface.dc(), text, -1, &client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return surface.Read().Mask(kElapsedBlue, client);
}

std::string ShownMask(HWND host, HWND button) {
    Repaint(host);
    const RECT r = testsupport::RectInParent(button);
    return Pixels(host).Mask(kElapsedBlue, r);
}

TEST(TimerButton, SharedCountShownByEveryButtonAndRestartedByAnyPress) {
    RegisterClassesOnce();
    MessageHost host(kGrey);
    const DWORD before = GetTickCount();
    HWND first = CreateChild(host.get(), support::kTimerButtonClassName, "Titulek", WS_VISIBLE, 20,
                             20, 120, 40, 11);
    HWND second = CreateChild(host.get(), support::kTimerButtonClassName, "", WS_VISIBLE, 20, 80,
                              120, 40, 12);
    const DWORD after = GetTickCount();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // The count starts at creation; the button has no caption of its own.
    EXPECT_LE(support::TimerButtonStartTick - before, after - before);
    char caption[16] = "?";
    GetWindowTextA(first, caption, sizeof caption);
    EXPECT_STREQ(caption, "");

    // Half a second into a second, so the text cannot change while it is read.
    const std::string zero = ElapsedMask(first, "0:00");
    const std::string thirty = ElapsedMask(first, "0:30");
    ASSERT_NE(zero, thirty);
    ASSERT_NE(zero.find('#'), std::string::npos);
    support::TimerButtonStartTick = GetTickCount() - 500;
    EXPECT_EQ(ShownMask(host.get(), first), zero);
    EXPECT_EQ(ShownMask(host.get(), second), zero);

    support::TimerButtonStartTick = GetTickCount() - 30500;
    EXPECT_EQ(ShownMask(host.get(), first), thirty);
    EXPECT_EQ(ShownMask(host.get(), second), thirty);

    // A press on the second restarts the count of both.
    const DWORD pressed = GetTickCount();
    SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(second, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_LE(support::TimerButtonStartTick - pressed, GetTickCount() - pressed);
    support::TimerButtonStartTick -= 500;
    EXPECT_EQ(ShownMask(host.get(), first), zero);
    EXPECT_EQ(ShownMask(host.get(), second), zero);

    // Its timer runs until the window is destroyed.
    EXPECT_TRUE(KillTimer(first, 1));
}

// A picture for people, not a check.
TEST(Screenshot, TheThreeControls) {
    RegisterClassesOnce();
    MessageHost host(RGB(255, 255, 255), 400, 170, "MojeTlacitko, MujOdkaz, MojeTlacitko2");
    CreateChild(host.get(), support::kButtonClassName, "Tlačítko", WS_VISIBLE, 20, 20, 180, 60, 1);
    CreateChild(host.get(), support::kLinkClassName, "www.zemit.example", WS_VISIBLE, 220, 42, 5, 5,
                2);
    CreateChild(host.get(), support::kTimerButtonClassName, "", WS_VISIBLE, 20, 100, 120, 40, 3);
    support::TimerButtonStartTick = GetTickCount() - 75500;
    Repaint(host.get());
    // Text drawn through a window's device context outside its paint reaches
    // Wine's screen at the next flush of the window surface: wait for it.
    const RECT timer = testsupport::RectInParent(GetDlgItem(host.get(), 3));
    POINT origin = {timer.left, timer.top};
    ClientToScreen(host.get(), &origin);
    testsupport::WaitUntil(
        [&] {
            HDC screen = GetDC(nullptr);
            const Pixels shown(screen, origin.x, origin.y, timer.right - timer.left,
                               timer.bottom - timer.top);
            ReleaseDC(nullptr, screen);
            return shown.Count([](COLORREF c) { return c == kElapsedBlue; }) > 0;
        },
        5);
    testsupport::SaveScreenshot(host.get(), testsupport::ScreenshotPath("support-controls"));
}

} // namespace
