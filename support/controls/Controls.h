// Painted controls: a gradient button with rounded corners and a GDI+ caption
// ("MojeTlacitko"), a link label that sizes itself to its text ("MujOdkaz")
// and a push button that shows the time since it was created or last pressed
// ("MojeTlacitko2"). A host registers the classes once and creates child
// windows of them; each reports a click to its parent as WM_COMMAND.
#pragma once

#include "support/controls/ElapsedTime.h"

#include <windows.h>

namespace support {

// The window classes' names.
extern const char* const kButtonClassName;      // "MojeTlacitko"
extern const char* const kLinkClassName;        // "MujOdkaz"
extern const char* const kTimerButtonClassName; // "MojeTlacitko2"

// The system button's procedure, saved when "MojeTlacitko2" is registered.
extern WNDPROC BaseButtonProc;
// When the timer buttons' count started; one value shared by all of them.
extern DWORD TimerButtonStartTick;

// Each returns whether the class was registered (in the application instance).
bool RegisterButtonClass();
bool RegisterLinkClass();
// Superclass of "BUTTON"; false, with nothing registered, when "BUTTON"
// cannot be queried.
bool RegisterTimerButtonClass();

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LinkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TimerButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the window rounded corners (24 by 24) from its client size; the
// window owns the region. Returns the result of SetWindowRgn.
int ApplyRoundedRegion(HWND hwnd);
// Translucent blue-to-red gradient over what the window shows, with the
// caption centred in light yellow "Comic Sans MS" (GDI+).
void PaintGradientButton(HWND hwnd);
// The text in blue, underlined default GUI font, left-aligned on one line.
void PaintLink(HWND hwnd);
// Resizes the window to its text in the link's font, keeping its position.
void FitLinkToText(HWND hwnd);
// The elapsed time, centred, over the button the system painted.
void PaintElapsedTime(HWND hwnd);

namespace detail {
// RegisterTimerButtonClass with the class to derive from named.
bool RegisterTimerButtonClassFrom(const char* baseClass);
} // namespace detail

} // namespace support
