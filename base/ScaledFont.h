// Fonts given in pixels at 96 DPI, made for the DPI of the window that shows
// them: MulDiv(height, dpi, 96), so that at 96 DPI every height stays as given.
#pragma once

#include "base/Owners.h"

#include <windows.h>

namespace base {

// The dots per inch of `window`: GetDpiForWindow where user32 has it (looked
// up at run time; Windows 10 1607 and later), else the screen's LOGPIXELSY.
UINT WindowDpi(HWND window);

// `pixels`, a size at 96 DPI, at `dpi`.
int ScaleToDpi(int pixels, UINT dpi);
// `pixels`, a size at `dpi`, at 96 DPI: the inverse, for sizes read from a
// window (a dialog's own font).
int SizeAtDesignDpi(int pixels, UINT dpi);

// The default GUI font's attributes with character height `height` (negative:
// pixels at 96 DPI), italic and underlined, with face `face`.
LOGFONTA LabelFont(int height, const char* face);

// One control's font, described at 96 DPI and made for a DPI; made again when
// the DPI changes (WM_DPICHANGED). Owns the font it made last.
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
