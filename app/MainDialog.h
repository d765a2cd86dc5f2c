// The main dialog's object: its control bindings, the set-up that fills the
// dialog, and the command handler.
#pragma once

#include "app/ControlBinding.h"

#include <windows.h>

#include <vector>

namespace app {

class MainDialog {
  public:
    // Set-up: binds the controls, sets icons, label fonts and caption, fills the lists.
    // Exceptions propagate to the caller.
    explicit MainDialog(HWND dialog);

    // Dispatches on the identifier alone. After a close the object is deleted
    // before this returns, so nothing of it is used after the close.
    void OnCommand(HWND dialog, UINT message, WORD id, WORD code);

    const ControlBinding& Binding(int id) const;

  private:
    void NameFormula();
    void ComposeFormula();

    std::vector<ControlBinding> bindings_;
};

// Makes the two label fonts anew for the dialog's new DPI (after WM_DPICHANGED).
void RescaleLabelFonts(UINT dpi);

// Gives the dialog its big and small icons at the sizes for `dpi`.
void SetIcons(HWND dialog, UINT dpi);

// The plain message box: no owner, caption "MESSAGE", an OK button.
void ShowPlainMessage(const char* text);

// The main dialog's procedure.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace app
