// One story at one display scaling: the fonts the program makes in pixels grow
// with the screen's DPI as the dialogs do, and their texts still fit. It runs
// in the build's prefix at 96 DPI and in a prefix of its own at 144 DPI
// (ZEMIT_TEST_DPI), with the program's manifest, as DPI-aware as zemit.exe.
#include "app/Globals.h"
#include "app/MainDialog.h"
#include "base/Owners.h"
#include "dialogs/AboutDialog.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A windows setting of this executable's manifest, in the namespace of year `year`.
std::wstring ManifestSetting(const wchar_t* year, const wchar_t* name) {
    const std::wstring space =
        std::wstring(L"http://schemas.microsoft.com/SMI/") + year + L"/WindowsSettings";
    wchar_t value[128] = {};
    SIZE_T written = 0;
    return QueryActCtxSettingsW(0, nullptr, space.c_str(), name, value, 128, &written) ? value
                                                                                       : L"-";
}

// The control's font height; whether its text, in that font, fits the control.
LONG FontHeight(HWND control, bool* fits) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    RECT client = {};
    GetClientRect(control, &client);
    SIZE size = {};
    const base::WindowDC dc(control);
    const base::Selection selected(dc.Get(), font);
    GetTextExtentPoint32A(dc.Get(), text, lstrlenA(text), &size);
    *fits = size.cx > 0 && size.cx <= client.right && size.cy <= client.bottom;
    return description.lfHeight;
}

TEST(DisplayScaling, PixelFontsGrowWithTheScreensDpiAndStillFit) {
    const char* named = std::getenv("ZEMIT_TEST_DPI");
    const int dpi = named != nullptr ? std::atoi(named) : 96;
    ASSERT_TRUE(dpi == 96 || dpi == 144) << "no heights written down for " << dpi << " DPI";
    // MulDiv rounds halves away from zero: -15 * 1.5 = -22.5 gives -23.
    const LONG labelHeight = dpi == 96 ? -15 : -23;
    const LONG linkHeight = dpi == 96 ? -22 : -33;
    {
        const base::WindowDC screen(nullptr);
        ASSERT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), dpi) << "the prefix's LogPixels";
    }
    // Wine makes every process DPI-aware, manifest or not: what Windows reads
    // from the manifest is asked of the activation context instead.
    EXPECT_EQ(ManifestSetting(L"2005", L"dpiAware"), L"true/pm");
    EXPECT_EQ(ManifestSetting(L"2016", L"dpiAwareness"), L"PerMonitorV2, PerMonitor");

    app::g_hInstance = GetModuleHandleA(nullptr);
    HWND main = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                   app::MainDialogProc, 0);
    ASSERT_NE(main, nullptr);
    app::g_hMainDialog = main;
    bool fits = false;
    for (int id : {IDC_UNNAMED, IDC_FORMULA_LABEL}) {
        EXPECT_EQ(FontHeight(GetDlgItem(main, id), &fits), labelHeight) << id;
        EXPECT_TRUE(fits) << id;
    }
    HWND about = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), main,
                                    dialogs::AboutDialogProc, 0);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(FontHeight(GetDlgItem(about, IDC_HOME_LINK), &fits), linkHeight);
    EXPECT_TRUE(fits);
    DestroyWindow(main); // and the About dialog it owns
}

} // namespace
