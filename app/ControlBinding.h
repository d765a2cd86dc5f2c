// A control of a dialog with the handles needed to work with it.
#pragma once

#include <windows.h>

#include <string>

namespace app {

enum class ControlKind { Button, ComboBox, Edit, Static, Other };

class ControlBinding {
  public:
    // Binds control `id` of `dialog`; with `enable` false the control is disabled.
    ControlBinding(HWND dialog, int id, ControlKind kind, bool enable = true);

    // The control's text, at most 2047 characters; longer texts are cut.
    std::string ReadText() const;
    void ReplaceText(const std::string& text) const;
    // Destroys the dialog the control belongs to.
    void Close() const;

    HWND control() const { return control_; }
    HWND dialog() const { return dialog_; }
    HINSTANCE instance() const { return instance_; }
    int id() const { return id_; }
    ControlKind kind() const { return kind_; }

  private:
    HWND control_;
    HWND dialog_;
    HINSTANCE instance_;
    int id_;
    ControlKind kind_;
};

} // namespace app
