#include "support/controls/Controls.h"

#include "app/Globals.h"
#include "base/Owners.h"
#include "base/ScaledFont.h"

#include <gdiplus.h>

#include <string>

namespace support {

const char* const kButtonClassName = "MojeTlacitko";
const char* const kLinkClassName = "MujOdkaz";
const char* const kTimerButtonClassName = "MojeTlacitko2";

WNDPROC BaseButtonProc = nullptr;
DWORD TimerButtonStartTick = 0;

namespace {

constexpr int kCaptionBufferSize = 100;
constexpr int kLinkBufferSize = 200;
constexpr int kCornerSize = 24;
constexpr int kCaptionPixels = 20; // at 96 DPI
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 500;
constexpr COLORREF kLinkColour = 0xFF0000;
constexpr COLORREF kElapsedColour = 0xD00000;
constexpr BYTE kGradientAlpha = 125;

bool RegisterPlainClass(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = app::g_hInstance;
    wc.hCursor = LoadCursorA(nullptr, IDC_HAND);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

void NotifyParent(HWND hwnd) {
    SendMessageA(GetParent(hwnd), WM_COMMAND, static_cast<WPARAM>(GetWindowLongA(hwnd, GWL_ID)),
                 reinterpret_cast<LPARAM>(hwnd));
}

// DEFAULT_GUI_FONT underlined; the caller deletes it.
HFONT CreateLinkFont() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfUnderline = 1;
    return CreateFontIndirectA(&font);
}

void Redraw(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
}

} // namespace

static_assert(sizeof(WNDCLASSEXA) == (sizeof(void*) == 4 ? 48 : 80), "the class record");

bool RegisterButtonClass() {
    return RegisterPlainClass(kButtonClassName, ButtonWindowProc, nullptr);
}

bool RegisterLinkClass() {
    return RegisterPlainClass(kLinkClassName, LinkWindowProc, GetSysColorBrush(COLOR_BTNFACE));
}

bool RegisterTimerButtonClass() {
    return detail::RegisterTimerButtonClassFrom("BUTTON");
}

bool detail::RegisterTimerButtonClassFrom(const char* baseClass) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, baseClass, &wc)) {
        return false;
    }
    wc.lpszClassName = kTimerButtonClassName;
    wc.hCursor = LoadCursorA(nullptr, IDC_HAND);
    wc.hInstance = app::g_hInstance;
    BaseButtonProc = wc.lpfnWndProc;
    wc.lpfnWndProc = TimerButtonWindowProc;
    return RegisterClassExA(&wc) != 0;
}

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ApplyRoundedRegion(hwnd);
        break;
    case WM_PAINT:
        PaintGradientButton(hwnd);
        break;
    case WM_ERASEBKGND:
        return 0; // the gradient blends over what the window already shows
    case WM_LBUTTONUP:
        NotifyParent(hwnd);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK LinkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        FitLinkToText(hwnd);
        return result;
    }
    case WM_PAINT:
        PaintLink(hwnd);
        break;
    case WM_LBUTTONUP:
        NotifyParent(hwnd);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK TimerButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetWindowTextA(hwnd, "");
        TimerButtonStartTick = GetTickCount();
        SetTimer(hwnd, kTimerId, kTimerPeriod, nullptr);
        break;
    case WM_DESTROY:
        KillTimer(hwnd, kTimerId);
        break;
    case WM_PAINT: {
        const LRESULT result = CallWindowProcA(BaseButtonProc, hwnd, message, wParam, lParam);
        PaintElapsedTime(hwnd);
        return result;
    }
    case WM_TIMER:
        Redraw(hwnd);
        break;
    case WM_LBUTTONDOWN:
        TimerButtonStartTick = GetTickCount();
        break;
    default:
        break;
    }
    return CallWindowProcA(BaseButtonProc, hwnd, message, wParam, lParam);
}

int ApplyRoundedRegion(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    HRGN region = CreateRoundRectRgn(0, 0, client.right, client.bottom, kCornerSize, kCornerSize);
    return SetWindowRgn(hwnd, region, TRUE);
}

void PaintGradientButton(HWND hwnd) {
    char text[kCaptionBufferSize] = {};
    GetWindowTextA(hwnd, text, kCaptionBufferSize);
    RECT client;
    GetClientRect(hwnd, &client);
    const INT width = client.right;
    const INT height = client.bottom;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    {
        Gdiplus::Graphics graphics(dc);
        Gdiplus::LinearGradientBrush gradient(Gdiplus::Point(0, 0), Gdiplus::Point(width, height),
                                              Gdiplus::Color(kGradientAlpha, 0, 0, 255),
                                              Gdiplus::Color(kGradientAlpha, 255, 0, 0));
        graphics.FillRectangle(&gradient, 0, 0, width, height);

        Gdiplus::FontFamily family(L"Comic Sans MS");
        const int pixels = base::ScaleToDpi(kCaptionPixels, base::WindowDpi(hwnd));
        Gdiplus::Font font(&family, static_cast<Gdiplus::REAL>(pixels), Gdiplus::FontStyleBold,
                           Gdiplus::UnitPixel);
        Gdiplus::StringFormat format(0, LANG_NEUTRAL);
        format.SetAlignment(Gdiplus::StringAlignmentCenter);
        format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        Gdiplus::SolidBrush caption(Gdiplus::Color(255, 255, 255, 128));
        const Gdiplus::RectF layout(0.0f, 0.0f, static_cast<Gdiplus::REAL>(width),
                                    static_cast<Gdiplus::REAL>(height));
        WCHAR wide[kCaptionBufferSize];
        const int length = lstrlenA(text);
        const int converted =
            MultiByteToWideChar(CP_ACP, 0, text, length, wide, kCaptionBufferSize);
        graphics.DrawString(wide, converted, &font, layout, &format, &caption);
        EndPaint(hwnd, &ps);
        // The GDI+ objects end here, in the reverse order of their making.
    }
}

void PaintLink(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const base::GdiOwner<HFONT> font(CreateLinkFont());
    {
        const base::Selection selected(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLinkColour);
        char text[kLinkBufferSize] = {};
        GetWindowTextA(hwnd, text, kLinkBufferSize);
        DrawTextA(dc, text, -1, &client, DT_SINGLELINE | DT_VCENTER);
    }
    EndPaint(hwnd, &ps);
}

void FitLinkToText(HWND hwnd) {
    char text[kLinkBufferSize] = {};
    GetWindowTextA(hwnd, text, kLinkBufferSize);
    SIZE size = {};
    {
        const base::GdiOwner<HFONT> font(CreateLinkFont());
        const base::WindowDC dc(hwnd);
        const base::Selection selected(dc.Get(), font.Get());
        GetTextExtentPoint32A(dc.Get(), text, lstrlenA(text), &size);
    }
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
    Redraw(hwnd);
}

void PaintElapsedTime(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const base::WindowDC dc(hwnd);
    const std::string text = ElapsedTimeText(TimerButtonStartTick, GetTickCount());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), kElapsedColour);
    DrawTextA(dc.Get(), text.c_str(), -1, &client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

} // namespace support
