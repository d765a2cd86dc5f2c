// The smallest modeless dialog program of the same toolchain: the yardstick
// for zemit.exe's start-up time. Built with template 1 (a one-button dialog)
// and, as the true floor, with the program's own main dialog template; with
// BARE_DIALOG_LIBRARIES it also does the library set-up zemit.exe must do
// first (common controls, GDI+, the Rich Edit library), which tells how much
// of the gap to the floor that set-up is.
#include <windows.h>

#ifdef BARE_DIALOG_LIBRARIES
#include <commctrl.h>
#include <gdiplus.h>
#endif

#ifndef BARE_DIALOG_TEMPLATE
#define BARE_DIALOG_TEMPLATE 1
#endif

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(dialog);
        return TRUE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef BARE_DIALOG_LIBRARIES
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    LoadLibraryA("Riched20.dll");
#endif
    HWND dialog =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(BARE_DIALOG_TEMPLATE), nullptr, Proc, 0);
    ShowWindow(dialog, SW_RESTORE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
