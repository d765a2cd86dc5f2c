#include "app/Globals.h"
#include "app/MainDialog.h"
#include "app/WinException.h"
#include "base/ScaledFont.h"
#include "resources/resource.h"

namespace app {
namespace {

// Private message: restore and activate the main dialog on a double click.
constexpr UINT kRestoreMessage = WM_APP + 1;

MainDialog* mainDialog = nullptr;

// Runs a handler of the main dialog so that no exception leaves the dialog
// procedure into the system's frames; reports it as set-up failures are.
// Returns false when an exception other than WinException was caught.
template <typename Handler> bool Guarded(Handler handler) {
    try {
        handler();
        return true;
    } catch (const WinException& e) {
        ReportException(e);
        return true;
    } catch (...) {
        ReportUnknownException();
        return false;
    }
}

// Hands a message to the command handler; does nothing while no object exists
// (before WM_INITDIALOG, or after a failed set-up).
void Forward(HWND dialog, UINT message, WPARAM wParam) {
    if (mainDialog != nullptr) {
        Guarded([&] { mainDialog->OnCommand(dialog, message, LOWORD(wParam), HIWORD(wParam)); });
    }
}

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const bool known = Guarded([&] { mainDialog = new MainDialog(dialog); });
        if (mainDialog != nullptr) {
            // The first tab stop, the upper OK, gets the focus through the dialog
            // manager, so that Enter presses it right after start.
            SendMessageA(dialog, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_NAME_OK)), TRUE);
        }
        return known ? TRUE : -1;
    }
    case WM_COMMAND:
        Forward(dialog, message, wParam);
        return TRUE;
    case WM_SYSCOMMAND:
    case WM_HSCROLL:
    case WM_SIZE:
        Forward(dialog, message, wParam);
        return FALSE;
    case WM_DPICHANGED:
        SetIcons(dialog, HIWORD(wParam));
        base::RescaleFontsLater(dialog, wParam);
        return FALSE; // the dialog manager scales the layout and sets every control's font
    case base::kFontsForDpi:
        RescaleLabelFonts(static_cast<UINT>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        UpdateWindow(dialog);
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        delete mainDialog;
        mainDialog = nullptr;
        PostQuitMessage(0);
        return TRUE;
    case kRestoreMessage:
        if (lParam == WM_LBUTTONDBLCLK) {
            ShowWindow(g_hMainDialog, SW_RESTORE);
            SetForegroundWindow(dialog);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace app
