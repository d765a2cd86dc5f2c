// One story at one display scaling: the fonts the program makes in pixels grow
// with the screen's DPI as the dialogs do, and their texts still fit. It runs
// in the build's prefix at 96 DPI and in a prefix of its own at 144 DPI
// (ZEMIT_TEST_DPI), with the program's manifest, as DPI-aware as zemit.exe.
#include "app/Globals.h"
#include "app/MainDialog.h"
#include "base/Owners.h"
#include "base/ScaledFont.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/PracticeDialog.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

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

// The screen's DPI this run was started for.
int TestDpi() {
    const char* named = std::getenv("ZEMIT_TEST_DPI");
    return named != nullptr ? std::atoi(named) : 96;
}

TEST(DisplayScaling, PixelFontsGrowWithTheScreensDpiAndStillFit) {
    const int dpi = TestDpi();
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
    EXPECT_EQ(ManifestSetting(L"2005", L"dpiAware"), L"true");
    EXPECT_EQ(ManifestSetting(L"2016", L"dpiAwareness"), L"PerMonitorV2, system");

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

// A move to a monitor of `dpi` as Windows 10 (1703) and later handle it for a
// per-monitor dialog whose procedure leaves WM_DPICHANGED to the dialog
// manager: it then gives every control the dialog's new font. Wine sends no
// WM_DPICHANGED and does nothing of this, so the test does it; then the
// messages posted meanwhile run.
void MoveToMonitorOf(HWND dialog, UINT dpi) {
    RECT frame = {};
    GetWindowRect(dialog, &frame);
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
    const LRESULT font = SendMessageA(dialog, WM_GETFONT, 0, 0);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

// Whether the Rich Edit control writes new text in bold.
bool WritesBold(HWND richEdit) {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(richEdit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_BOLD) != 0 && (format.dwEffects & CFE_BOLD) != 0;
}

// The width of the window's icon of `kind` (ICON_BIG, ICON_SMALL).
LONG IconWidth(HWND window, WPARAM kind) {
    ICONINFO info = {};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, kind, 0)), &info)) {
        return 0;
    }
    const base::GdiOwner<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap = {};
    GetObjectA(colour.Get(), sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

constexpr UINT kNewDpi = 192; // 200 %, from either prefix's screen

// Whether the practice dialog's prompt was bold after the move.
bool promptBold = false;

// Moves the open practice dialog, reads its prompt and closes it.
void CALLBACK MovePracticeDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND practice = FindWindowA("#32770", "Procvičování");
    if (practice == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    MoveToMonitorOf(practice, kNewDpi);
    promptBold = WritesBold(GetDlgItem(practice, IDC_PRACTICE_PROMPT));
    PostMessageA(practice, WM_COMMAND, IDCANCEL, 0);
}

// The fonts of their own that the main dialog, the About box and the practice
// dialog give their controls are made for the new DPI after the dialog
// manager has handed out its font; the main dialog's icons follow the DPI.
TEST(DisplayScaling, OwnFontsAndIconsFollowAMoveToAnotherScale) {
    app::g_hInstance = GetModuleHandleA(nullptr);
    ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    HWND main = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                   app::MainDialogProc, 0);
    ASSERT_NE(main, nullptr);
    app::g_hMainDialog = main;
    const int dpi = TestDpi();
    EXPECT_EQ(IconWidth(main, ICON_SMALL), base::ScaleToDpi(16, dpi));
    EXPECT_EQ(IconWidth(main, ICON_BIG), base::ScaleToDpi(32, dpi));
    HWND about = CreateDialogParamA(app::g_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), main,
                                    dialogs::AboutDialogProc, 0);
    ASSERT_NE(about, nullptr);

    MoveToMonitorOf(main, kNewDpi);
    MoveToMonitorOf(about, kNewDpi);
    const struct {
        HWND dialog;
        int id;
        LONG height; // at 96 DPI
    } ownFonts[] = {
        {main, IDC_UNNAMED, -15}, {main, IDC_FORMULA_LABEL, -15}, {about, IDC_HOME_LINK, -22}};
    bool fits = false;
    for (const auto& own : ownFonts) {
        EXPECT_EQ(FontHeight(GetDlgItem(own.dialog, own.id), &fits),
                  base::ScaleToDpi(own.height, kNewDpi))
            << own.id;
    }
    EXPECT_EQ(IconWidth(main, ICON_SMALL), base::ScaleToDpi(16, kNewDpi));
    EXPECT_EQ(IconWidth(main, ICON_BIG), base::ScaleToDpi(32, kNewDpi));

    // The practice dialog is modal: it is moved from a timer in its loop.
    promptBold = false;
    SetTimer(nullptr, 0, 50, MovePracticeDialog);
    dialogs::RunPracticeDialog(main);
    EXPECT_TRUE(promptBold);
    DestroyWindow(main);
}

// Each icon group holds the very image Windows asks for at 100 to 200 %: the
// small icon at 16 pixels times the scaling, the large one at 32, and the
// large one at 256 for Explorer's large views.
TEST(DisplayScaling, IconGroupsHoldEverySizeWindowsAsksFor) {
    const auto pickedWidth = [](int group, int size) -> LONG {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(group), RT_GROUP_ICON);
        auto* directory = static_cast<BYTE*>(LockResource(LoadResource(nullptr, found)));
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_ICON);
        if (found == nullptr) {
            return 0;
        }
        const auto* image = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        if (std::memcmp(image, "\x89PNG", 4) == 0) { // the width in the header, big-endian
            return image[16] << 24 | image[17] << 16 | image[18] << 8 | image[19];
        }
        return reinterpret_cast<const BITMAPINFOHEADER*>(image)->biWidth;
    };
    for (int percent : {100, 125, 150, 200}) {
        for (const auto& [group, size] : {std::pair{IDI_SMALL, 16}, std::pair{IDI_LARGE, 32}}) {
            const int asked = size * percent / 100;
            EXPECT_EQ(pickedWidth(group, asked), asked) << group << " at " << percent << " %";
        }
    }
    EXPECT_EQ(pickedWidth(IDI_LARGE, 256), 256);
}

} // namespace
