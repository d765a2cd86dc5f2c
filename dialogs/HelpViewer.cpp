#include "dialogs/HelpViewer.h"

#include "base/Owners.h"

#include "app/MainDialogModel.h"
#include "app/ModuleInfo.h"
#include "resources/resource.h"

#include <richedit.h>

namespace dialogs {
namespace {

// Pulls the next piece of the file; a read of 0 bytes (end of file, or a read
// error) ends the stream.
DWORD CALLBACK ReadPiece(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* delivered) {
    DWORD read = 0;
    ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(wanted), &read, nullptr);
    *delivered = static_cast<LONG>(read);
    return 0;
}

} // namespace

void LoadRtfFile(HWND richEdit, const std::string& path) {
    const base::FileOwner file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        MessageBoxA(richEdit, "FILE ERROR", "Error", MB_OK);
        return;
    }
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(file.Get()), 0, ReadPiece};
    SendMessageA(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageA(richEdit, EM_SETMODIFY, FALSE, 0);
}

INT_PTR CALLBACK HelpViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        LoadRtfFile(GetDlgItem(dialog, IDC_HELP_TEXT),
                    app::ProgramDirectory() + app::kHelpFileName);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace dialogs
