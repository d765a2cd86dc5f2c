// One story at one display scaling: the fonts the program makes in pixels grow
// with the screen's DPI as the dialogs do, and their texts still fit. It runs
// in the build's prefix at 96 DPI and in a prefix of its own at 144 DPI;
// ZEMIT_TEST_DPI names which. The executable carries the program's manifest,
// so it is exactly as DPI-aware as zemit.exe.
#include "app/Globals.h"
#include "app/MainDialog.h"
#include "base/Owners.h"
#include "dialogs/AboutDialog.h"
#include "resources/resource.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct Heights {
    int dpi;
    LONG label;
    LONG link;
};
// MulDiv rounds halves away from zero: -15 * 1.5 = -22.5 gives -23.
const Heights kHeights[] = {{96, -15, -22}, {144, -23, -33}};

int DpiOfThisRun() {
    const char* named = std::getenv("ZEMIT_TEST_DPI");
    return named != nullptr ? std::atoi(named) : 96;
}

// A windows setting of this executable's manifest, in the namespace of year `year`.
std::wstring ManifestSetting(const wchar_t* year, const wchar_t* name) {
    const std::wstring space =
        std::wstring(L"http://schemas.microsoft.com/SMI/") + year + L"/WindowsSettings";
    wchar_t value[128] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, nullptr, space.c_str(), name, value, 128, &written)) {
        return L"(none)";
    }
    return value;
}

LOGFONTA FontOf(HWND control) {
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// Whether the control's text, in the control's font, fits inside the control.
bool TextFits(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    RECT client = {};
    GetClientRect(control, &client);
    SIZE size = {};
    const base::WindowDC dc(control);
    const base::Selection font(dc.Get(),
                               reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc.Get(), text, lstrlenA(text), &size);
    return size.cx > 0 && size.cx <= client.right && size.cy <= client.bottom;
}

void Picture(HWND window, const std::string& name) {
    if (!testsupport::SaveScreenshot(window, testsupport::ScreenshotPath(name))) {
        std::printf("no picture %s\n", name.c_str());
    }
}

TEST(DisplayScaling, PixelFontsGrowWithTheScreensDpiAndStillFit) {
    const int dpi = DpiOfThisRun();
    const Heights* expected = nullptr;
    for (const Heights& heights : kHeights) {
        expected = heights.dpi == dpi ? &heights : expected;
    }
    ASSERT_NE(expected, nullptr) << "no heights written down for " << dpi << " DPI";
    // Wine makes every process DPI-aware, manifest or not; what Windows reads
    // from the manifest is asked of the activation context instead.
    EXPECT_EQ(ManifestSetting(L"2005", L"dpiAware"), L"true/pm");
    EXPECT_EQ(ManifestSetting(L"2016", L"dpiAwareness"), L"PerMonitorV2, PerMonitor");
    {
        const base::WindowDC screen(nullptr);
        ASSERT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), dpi) << "the prefix's LogPixels";
    }

    app::g_hInstance = GetModuleHandleA(nullptr);
    HWND main = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                   app::MainDialogProc, 0);
    ASSERT_NE(main, nullptr);
    app::g_hMainDialog = main;
    for (int id : {IDC_UNNAMED, IDC_FORMULA_LABEL}) {
        const HWND label = GetDlgItem(main, id);
        const LOGFONTA font = FontOf(label);
        EXPECT_EQ(font.lfHeight, expected->label) << id;
        EXPECT_STREQ(font.lfFaceName, "Arial") << id;
        EXPECT_TRUE(font.lfItalic && font.lfUnderline) << id;
        EXPECT_TRUE(TextFits(label)) << id;
    }
    Picture(main, "scaling-" + std::to_string(dpi) + "dpi-main");

    HWND about = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), main,
                                    dialogs::AboutDialogProc, 0);
    ASSERT_NE(about, nullptr);
    const HWND link = GetDlgItem(about, IDC_HOME_LINK);
    const LOGFONTA font = FontOf(link);
    EXPECT_EQ(font.lfHeight, expected->link);
    EXPECT_STREQ(font.lfFaceName, "Times New Roman");
    EXPECT_TRUE(TextFits(link));
    EXPECT_TRUE(TextFits(GetDlgItem(about, IDC_VERSION_LINE)));
    Picture(about, "scaling-" + std::to_string(dpi) + "dpi-about");

    SendMessageA(about, WM_COMMAND, IDOK, 0); // deletes the link font
    DestroyWindow(about);
    DestroyWindow(main);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
