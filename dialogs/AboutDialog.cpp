#include "dialogs/AboutDialog.h"

#include "app/Globals.h"
#include "base/Owners.h"
#include "base/ScaledFont.h"
#include "resources/resource.h"
#include "update/SiteUrls.h"

namespace dialogs {
namespace {

const COLORREF kBackground = RGB(244, 244, 244);
const COLORREF kLinkColour = RGB(0, 0, 255);
constexpr int kLinkFontHeight = -22;
const char* const kLinkFontFace = "Times New Roman";

// Created when the dialog opens, deleted when it closes.
base::GdiOwner<HBRUSH> background;
base::ScaledFont linkFont;

void Open(HWND dialog) {
    background.Reset(CreateSolidBrush(kBackground));
    linkFont.Apply(GetDlgItem(dialog, IDC_HOME_LINK),
                   base::LabelFont(kLinkFontHeight, kLinkFontFace), base::WindowDpi(dialog));
    // Sets the cursor of the static class: every static of the process shows the hand.
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    SetClassLongPtrA(GetDlgItem(dialog, IDC_HOME_LINK), GCLP_HCURSOR,
                     reinterpret_cast<LONG_PTR>(hand));
    SetDlgItemTextA(dialog, IDC_VERSION_LINE, app::CaptionText.c_str());
}

void Close(HWND dialog, int id) {
    background.Reset();
    linkFont.Reset();
    EndDialog(dialog, id);
}

} // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Open(dialog);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            Close(dialog, LOWORD(wParam));
            return TRUE;
        case IDC_HOME_LINK:
            ShellExecuteA(dialog, "open", update::kHomePageUrl, nullptr, nullptr, SW_SHOW);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_DPICHANGED:
        base::RescaleFontsLater(dialog, wParam);
        return FALSE; // the dialog manager scales the layout and sets every control's font
    case base::kFontsForDpi:
        linkFont.Rescale(static_cast<UINT>(wParam));
        return TRUE;
    case WM_CTLCOLORDLG:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(background.Get());
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(background.Get());
    default:
        (void)lParam;
        return FALSE;
    }
}

} // namespace dialogs
