// Test helper: what a window shows, read back pixel by pixel (BitBlt from
// the window's device context into a 32-bit DIB section), and colour checks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

class Pixels {
  public:
    // The client area of `window` (its children included, unless the window
    // clips them), after every pending paint of it and its children is done.
    explicit Pixels(HWND window);
    // A copy of `width` by `height` pixels of a device context from (x, y).
    Pixels(HDC dc, int x, int y, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // The colour at (x, y) as a COLORREF (red in the low byte).
    COLORREF at(int x, int y) const;
    // How many pixels of `area` (all when empty) satisfy `match`.
    int Count(const std::function<bool(COLORREF)>& match, RECT area = {}) const;
    // The positions of `area` whose colour is exactly `colour`, as a row-major
    // picture of '#' and '.', to compare the shapes of two drawings.
    std::string Mask(COLORREF colour, RECT area) const;

  private:
    void Read(HDC dc, int x, int y);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> bits_; // top-down rows of 0x00RRGGBB
};

// A memory device context holding `width` by `height` 32-bit pixels, to draw
// into away from any window; filled with `background` at first.
class Surface {
  public:
    Surface(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    RECT rect() const { return {0, 0, width_, height_}; }
    void Fill(COLORREF colour) const;
    Pixels Read() const { return Pixels(dc_, 0, 0, width_, height_); }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Whether each channel of `a` is within `tolerance` of that of `b`.
bool Near(COLORREF a, COLORREF b, int tolerance);
std::string ColourText(COLORREF colour); // "(r, g, b)" for messages

// The rectangle of `child` in its parent's client coordinates.
RECT RectInParent(HWND child);

} // namespace testsupport
