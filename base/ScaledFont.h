// Fonts given in pixels at 96 DPI, made for the DPI of the window that shows
// them: MulDiv(height, dpi, 96), so that at 96 DPI every height stays as given.
#pragma once

#include "base/Owners.h"

#include <windows.h>

namespace base {

// The dots per inch of `window`: GetDpiForWindow where user32 has it (looked
// up at run time; Windows 10 1607 and later), else the screen's LOGPIXELSY.
UINT WindowDpi(HWND window);

// A system metric (a size) at `dpi`: GetSystemMetricsForDpi where user32 has
// it (looked up at run time; Windows 10 1607 and later), else
// GetSystemMetrics, which answers for the system's DPI: the only one a window
// of this program has there, since the manifest makes it system-aware.
int SystemMetricForDpi(int index, UINT dpi);

// `pixels`, a size at 96 DPI, at `dpi`.
int ScaleToDpi(int pixels, UINT dpi);
// `pixels`, a size at `dpi`, at 96 DPI: the inverse, for sizes read from a
// window (a dialog's own font).
int SizeAtDesignDpi(int pixels, UINT dpi);

// The default GUI font's attributes with character height `height` (negative:
// pixels at 96 DPI), italic and underlined, with face `face`.
LOGFONTA LabelFont(int height, const char* face);

// WM_DPICHANGED of a per-monitor (v2) dialog: when its procedure returns
// FALSE, the dialog manager of Windows 10 (1703) and later scales the layout
// and then sends the dialog's new font to every control with WM_SETFONT, those
// with fonts of their own too. So a procedure rescales its own fonts after
// that: on WM_DPICHANGED it calls RescaleFontsLater, which posts kFontsForDpi
// with the new DPI in wParam, and it rescales them when that message arrives.
// (Wine never sends WM_DPICHANGED.)
constexpr UINT kFontsForDpi = WM_APP + 0x3E0;
inline void RescaleFontsLater(HWND dialog, WPARAM dpiChanged) {
    PostMessageA(dialog, kFontsForDpi, HIWORD(dpiChanged), 0);
}

// One control's font, described at 96 DPI and made for a DPI; made again when
// the DPI changes (kFontsForDpi). Owns the font it made last.
class ScaledFont {
  public:
    // Makes `font` (lfHeight at 96 DPI) for `dpi`, sends it to `control` with
    // WM_SETFONT and only then deletes the font made before.
    void Apply(HWND control, const LOGFONTA& font, UINT dpi, bool redraw = true);
    // Makes the same font for the same control again for `dpi` and redraws it;
    // does nothing before Apply.
    void Rescale(UINT dpi);
    // Deletes the font; the control must no longer show it.
    void Reset();

  private:
    HWND control_ = nullptr;
    LOGFONTA description_ = {};
    GdiOwner<HFONT> font_;
};

} // namespace base
