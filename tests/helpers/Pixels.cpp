#include "Pixels.h"

#include <cstdlib>

namespace testsupport {
namespace {

// A top-down 32-bit DIB section and the address of its pixels.
HBITMAP CreateSection(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

} // namespace

Pixels::Pixels(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC dc = GetDC(window);
    Read(dc, 0, 0);
    ReleaseDC(window, dc);
}

Pixels::Pixels(HDC dc, int x, int y, int width, int height) : width_(width), height_(height) {
    Read(dc, x, y);
}

void Pixels::Read(HDC source, int x, int y) {
    bits_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
    if (bits_.empty()) {
        return;
    }
    void* bits = nullptr;
    HBITMAP section = CreateSection(source, width_, height_, &bits);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width_, height_, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (size_t i = 0; i < bits_.size(); ++i) {
        bits_[i] = pixels[i] & 0xFFFFFF;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
}

COLORREF Pixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    const std::uint32_t pixel = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Pixels::Count(const std::function<bool(COLORREF)>& match, RECT area) const {
    if (IsRectEmpty(&area)) {
        area = {0, 0, width_, height_};
    }
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += match(at(x, y)) ? 1 : 0;
        }
    }
    return count;
}

std::string Pixels::Mask(COLORREF colour, RECT area) const {
    std::string mask;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            mask += at(x, y) == colour ? '#' : '.';
        }
        mask += '\n';
    }
    return mask;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string ColourText(COLORREF colour) {
    return "(" + std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) +
           ", " + std::to_string(GetBValue(colour)) + ")";
}

RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Surface::Surface(int width, int height, COLORREF background)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    void* bits = nullptr;
    bitmap_ = CreateSection(dc_, width, height, &bits);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(background);
}

Surface::~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Surface::Fill(COLORREF colour) const {
    const RECT all = rect();
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

} // namespace testsupport
