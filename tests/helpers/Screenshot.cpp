#include "Screenshot.h"

#include "Files.h"
#include "Wait.h"

#include <gdiplus.h>

#include <cstdio>

namespace testsupport {
namespace {

BOOL CALLBACK ChildNeedsPainting(HWND child, LPARAM found) {
    if (GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool NeedsPainting(HWND window) {
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) {
        EnumChildWindows(window, ChildNeedsPainting, reinterpret_cast<LPARAM>(&pending));
    }
    return pending;
}

} // namespace

std::string ScreenshotPath(const std::string& name) {
    // Every Windows test executable lives one or two folders below the build tree.
    std::string tree = ExecutableDirectory();
    while (!FileExists(tree + "CMakeCache.txt") && tree.size() > 3) {
        tree = tree.substr(0, tree.rfind('\\', tree.size() - 2) + 1);
    }
    const std::string folder = tree + "..\\screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + name + ".png";
}

bool SaveScreenshot(HWND window, const std::string& path) {
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
    WaitUntil([window] { return !NeedsPainting(window); }, 10);
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);

    const std::wstring widePath(path.begin(), path.end());
    // The PNG encoder of GDI+.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    bool saved = false;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        saved = picture.Save(widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!saved) {
        std::fprintf(stderr, "screenshot: could not save %s\n", path.c_str());
    }
    return saved;
}

} // namespace testsupport
