#include "base/ScaledFont.h"

#include <utility>

namespace base {
namespace {

constexpr int kDesignDpi = 96;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

// A function of user32 that older Windows versions lack; null there.
template <typename Function> Function LookUpUser32(const char* name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

} // namespace

int SystemMetricForDpi(int index, UINT dpi) {
    static const auto getSystemMetricsForDpi =
        LookUpUser32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    return getSystemMetricsForDpi != nullptr ? getSystemMetricsForDpi(index, dpi)
                                             : GetSystemMetrics(index);
}

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = LookUpUser32<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    const WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int ScaleToDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi);
}

int SizeAtDesignDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, kDesignDpi, static_cast<int>(dpi));
}

LOGFONTA LabelFont(int height, const char* face) {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = height;
    font.lfItalic = TRUE;
    font.lfUnderline = TRUE;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return font;
}

void ScaledFont::Apply(HWND control, const LOGFONTA& font, UINT dpi, bool redraw) {
    control_ = control;
    description_ = font;
    LOGFONTA scaled = font;
    scaled.lfHeight = ScaleToDpi(font.lfHeight, dpi);
    GdiOwner<HFONT> made(CreateFontIndirectA(&scaled));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), redraw ? TRUE : FALSE);
    font_ = std::move(made);
}

void ScaledFont::Rescale(UINT dpi) {
    if (control_ != nullptr) {
        Apply(control_, description_, dpi);
    }
}

void ScaledFont::Reset() {
    font_.Reset();
    control_ = nullptr;
}

} // namespace base
