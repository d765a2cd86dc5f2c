// Menu utilities on a window's menu bar and system menu, an owner-drawn
// colour menu whose items carry their colour as item data, and a bitmap on a
// push button. Items are addressed by command identifier; resources come
// from the application instance, named by the low 16 bits of the argument.
#pragma once

#include "support/menus/ColourMenuText.h"

#include <windows.h>

namespace support {

// The custom colours of the colour dialog, kept for the process.
extern COLORREF MenuCustomColours[16];

// Fixed measures of a colour menu item.
constexpr UINT kColourItemWidth = 120;
constexpr UINT kColourItemHeight = 25;

// The text of the item the two "on top" insertions add.
extern const char* const kTopmostItemText; // "Na vrchu"

// Destroys the window's menu and puts the menu resource `menuId` in its place.
// When the new menu cannot be loaded the window is left without a menu.
BOOL ReplaceWindowMenu(HWND window, UINT menuId);
BOOL RemoveMenuCommand(HWND window, UINT commandId);
BOOL RemoveSystemMenuCommand(HWND window, UINT commandId);
// Leaves only the close command on the system menu; stops at the first
// removal that fails and returns false.
BOOL StripSystemMenu(HWND window);
// Inserts "Na vrchu" and then a separator before item `beforeId`.
BOOL InsertTopmostMenuItem(HWND window, UINT beforeId, UINT textId, UINT separatorId);
// The same on the system menu, before the restore command.
BOOL InsertTopmostSystemMenuItem(HWND window, UINT textId, UINT separatorId);
// MFS_CHECKED (8) when the item is checked; 0 when not, or no menu or item.
UINT IsMenuCommandChecked(HWND window, UINT commandId);
// Enables the item when `enable` is non-zero, else greys and disables it.
BOOL EnableMenuCommand(HWND window, UINT commandId, BOOL enable);
// Checks `setId` when `readId` is unchecked and unchecks it when checked;
// returns the previous check state of `setId` (CheckMenuItem).
DWORD ToggleMenuCheck(HWND window, UINT readId, UINT setId);
// Bitmap `uncheckedBitmap` (unchecked) and `checkedBitmap` (checked) on
// `firstId`; `uncheckedBitmap` alone on `secondId`.
BOOL SetMenuCommandBitmaps(HWND window, UINT uncheckedBitmap, UINT checkedBitmap, UINT firstId,
                           UINT secondId);
BOOL SetMenuCommandData(HWND window, UINT commandId, DWORD data);
DWORD GetMenuCommandData(HWND window, UINT commandId);
// Lets the user pick the item's colour in the colour dialog; false if
// cancelled (the item keeps its colour).
BOOL ChooseMenuCommandColour(HWND window, UINT commandId);
MEASUREITEMSTRUCT* MeasureColourMenuItem(MEASUREITEMSTRUCT* measure);
// Paints an owner-drawn colour item: its colour edge to edge, or inside a
// raised frame when highlighted, and its text in black or white.
BOOL DrawColourMenuItem(const DRAWITEMSTRUCT* draw);
// Puts bitmap resource `bitmapId` on button `itemId`; returns the previous image.
HANDLE SetButtonBitmap(HWND window, int itemId, UINT bitmapId);

} // namespace support
