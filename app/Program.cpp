#include "app/Program.h"

#include "app/Globals.h"
#include "app/MainDialog.h"
#include "app/WinException.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <new>

namespace app {

HINSTANCE g_hInstance = nullptr;
HWND g_hMainDialog = nullptr;
std::string CaptionText = "Zemit ";

namespace {

const char* const kSingleInstanceTitle = "zemit";
const char* const kRichEditFailure = "Nepodařilo se aktivovat Rich Edit";

ULONG_PTR gdiplusToken = 0;
Gdiplus::GdiplusStartupInput gdiplusInput(nullptr, FALSE, FALSE);

int RunUnguarded(HINSTANCE instance) {
    g_hInstance = instance;
    std::set_new_handler(OutOfMemory);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        return -1;
    }
    if (Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr) != Gdiplus::Ok) {
        return -1;
    }
    if (LoadLibraryA("Riched20.dll") == nullptr && LoadLibraryA("Riched32.dll") == nullptr) {
        MessageBoxA(nullptr, kRichEditFailure, kRichEditFailure, MB_ICONERROR);
        return 0;
    }
    if (FindWindowA(nullptr, kSingleInstanceTitle) != nullptr) {
        return 0;
    }

    g_hMainDialog =
        CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    if (g_hMainDialog == nullptr) {
        char text[32];
        wsprintfA(text, "Error x%x", GetLastError());
        MessageBoxA(nullptr, text, "CreateDialog", MB_ICONWARNING);
        return 1;
    }
    ShowWindow(g_hMainDialog, SW_RESTORE);
    SetForegroundWindow(g_hMainDialog);

    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            break;
        }
        if (got == -1) {
            return -1;
        }
        if (!IsDialogMessageA(g_hMainDialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return static_cast<int>(msg.wParam);
}

} // namespace

int Run(HINSTANCE instance) {
    // An allocation failure outside the dialog's handlers ends the program
    // with a message instead of an unexplained termination.
    try {
        return RunUnguarded(instance);
    } catch (const WinException& e) {
        ReportException(e);
    } catch (...) {
        ReportUnknownException();
    }
    return -1;
}

} // namespace app
