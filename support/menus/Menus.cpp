#include "support/menus/Menus.h"

#include "app/Globals.h"
#include "base/Owners.h"

#include <commdlg.h>

namespace support {

COLORREF MenuCustomColours[16] = {};
const char* const kTopmostItemText = "Na vrchu";

namespace {

constexpr int kItemTextBufferSize = 40;
constexpr int kFrameInset = 4;
constexpr int kTextIndent = 10;

LPCSTR Resource(UINT id) {
    return MAKEINTRESOURCEA(LOWORD(id));
}

// An empty item record that asks for the fields of `mask`.
MENUITEMINFOA ItemRecord(UINT mask) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = mask;
    return item;
}

// Reads the fields of `mask` of the item `commandId` of the window's menu;
// false when the window has no menu or the menu no such item.
bool QueryItem(HWND window, UINT commandId, UINT mask, MENUITEMINFOA* item) {
    HMENU menu = GetMenu(window);
    *item = ItemRecord(mask);
    return menu != nullptr && GetMenuItemInfoA(menu, commandId, FALSE, item);
}

// "Na vrchu" and a separator, in that order, before `beforeId` of `menu`.
BOOL InsertTopmostItems(HMENU menu, UINT beforeId, UINT textId, UINT separatorId) {
    if (menu == nullptr) {
        return FALSE;
    }
    char text[16];
    lstrcpynA(text, kTopmostItemText, sizeof text);
    MENUITEMINFOA item = ItemRecord(MIIM_STATE | MIIM_ID | MIIM_STRING);
    item.fState = MFS_ENABLED | MFS_UNCHECKED;
    item.wID = textId;
    item.dwTypeData = text;
    if (!InsertMenuItemA(menu, beforeId, FALSE, &item)) {
        return FALSE;
    }
    MENUITEMINFOA separator = ItemRecord(MIIM_STATE | MIIM_ID | MIIM_TYPE);
    separator.fType = MFT_SEPARATOR;
    separator.fState = MFS_GRAYED;
    separator.wID = separatorId;
    return InsertMenuItemA(menu, beforeId, FALSE, &separator);
}

BOOL RemoveFrom(HMENU menu, UINT commandId) {
    return menu != nullptr && RemoveMenu(menu, commandId, MF_BYCOMMAND);
}

} // namespace

static_assert(sizeof(MENUITEMINFOA) == (sizeof(void*) == 4 ? 48 : 80), "the item record");
static_assert(sizeof(CHOOSECOLORA) == (sizeof(void*) == 4 ? 36 : 72), "the colour dialog record");

BOOL ReplaceWindowMenu(HWND window, UINT menuId) {
    HMENU old = GetMenu(window);
    if (old != nullptr && !base::MenuOwner(old).Close()) {
        return FALSE;
    }
    HMENU menu = LoadMenuA(app::g_hInstance, Resource(menuId));
    if (menu == nullptr) {
        // Never leave the window holding the handle destroyed above.
        if (old != nullptr) {
            SetMenu(window, nullptr);
        }
        return FALSE;
    }
    return SetMenu(window, menu);
}

BOOL RemoveMenuCommand(HWND window, UINT commandId) {
    return RemoveFrom(GetMenu(window), commandId);
}

BOOL RemoveSystemMenuCommand(HWND window, UINT commandId) {
    return RemoveFrom(GetSystemMenu(window, FALSE), commandId);
}

BOOL StripSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) {
        return FALSE;
    }
    for (UINT command : {SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE, SC_SIZE, SC_MOVE}) {
        if (!RemoveMenu(menu, command, MF_BYCOMMAND)) {
            return FALSE;
        }
    }
    // The separator that stood above the close command.
    return RemoveMenu(menu, 0, MF_BYPOSITION);
}

BOOL InsertTopmostMenuItem(HWND window, UINT beforeId, UINT textId, UINT separatorId) {
    return InsertTopmostItems(GetMenu(window), beforeId, textId, separatorId);
}

BOOL InsertTopmostSystemMenuItem(HWND window, UINT textId, UINT separatorId) {
    return InsertTopmostItems(GetSystemMenu(window, FALSE), SC_RESTORE, textId, separatorId);
}

UINT IsMenuCommandChecked(HWND window, UINT commandId) {
    MENUITEMINFOA item;
    if (!QueryItem(window, commandId, MIIM_STATE, &item)) {
        return 0;
    }
    return item.fState & MFS_CHECKED;
}

BOOL EnableMenuCommand(HWND window, UINT commandId, BOOL enable) {
    HMENU menu = GetMenu(window);
    if (menu == nullptr) {
        return FALSE;
    }
    EnableMenuItem(menu, commandId, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
    return TRUE;
}

DWORD ToggleMenuCheck(HWND window, UINT readId, UINT setId) {
    const UINT check = IsMenuCommandChecked(window, readId) ? MF_UNCHECKED : MF_CHECKED;
    return CheckMenuItem(GetMenu(window), setId, MF_BYCOMMAND | check);
}

BOOL SetMenuCommandBitmaps(HWND window, UINT uncheckedBitmap, UINT checkedBitmap, UINT firstId,
                           UINT secondId) {
    HMENU menu = GetMenu(window);
    if (menu == nullptr) {
        return FALSE;
    }
    HBITMAP unchecked = LoadBitmapA(app::g_hInstance, Resource(uncheckedBitmap));
    HBITMAP checked = LoadBitmapA(app::g_hInstance, Resource(checkedBitmap));
    SetMenuItemBitmaps(menu, firstId, MF_BYCOMMAND, unchecked, checked);
    return SetMenuItemBitmaps(menu, secondId, MF_BYCOMMAND, unchecked, nullptr);
}

BOOL SetMenuCommandData(HWND window, UINT commandId, DWORD data) {
    MENUITEMINFOA item;
    if (!QueryItem(window, commandId, 0, &item)) {
        return FALSE;
    }
    item.fMask = MIIM_DATA;
    item.dwItemData = data;
    return SetMenuItemInfoA(GetMenu(window), commandId, FALSE, &item);
}

DWORD GetMenuCommandData(HWND window, UINT commandId) {
    MENUITEMINFOA item;
    if (!QueryItem(window, commandId, MIIM_DATA, &item)) {
        return 0;
    }
    return static_cast<DWORD>(item.dwItemData);
}

BOOL ChooseMenuCommandColour(HWND window, UINT commandId) {
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = window;
    choose.lpCustColors = MenuCustomColours;
    choose.rgbResult = GetMenuCommandData(window, commandId);
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choose)) {
        return FALSE;
    }
    return SetMenuCommandData(window, commandId, choose.rgbResult);
}

MEASUREITEMSTRUCT* MeasureColourMenuItem(MEASUREITEMSTRUCT* measure) {
    measure->itemWidth = kColourItemWidth;
    measure->itemHeight = kColourItemHeight;
    return measure;
}

BOOL DrawColourMenuItem(const DRAWITEMSTRUCT* draw) {
    const COLORREF colour = static_cast<COLORREF>(draw->itemData);
    base::GdiOwner<HBRUSH> brush(CreateSolidBrush(colour));
    RECT item = draw->rcItem;
    RECT textRect = draw->rcItem;
    const bool highlighted = (draw->itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    if (highlighted && (draw->itemState & ODS_DISABLED) == 0) {
        DrawFrameControl(draw->hDC, &item, DFC_BUTTON, DFCS_BUTTONPUSH);
        InflateRect(&item, -kFrameInset, -kFrameInset);
    }
    FillRect(draw->hDC, &item, brush.Get());

    textRect.left += kTextIndent;
    char text[kItemTextBufferSize] = {};
    GetMenuStringA(reinterpret_cast<HMENU>(draw->hwndItem), draw->itemID, text, kItemTextBufferSize,
                   MF_BYCOMMAND);
    SetBkMode(draw->hDC, TRANSPARENT);
    SetTextColor(draw->hDC, ColourMenuTextColour(colour));
    DrawTextA(draw->hDC, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER);
    return brush.Close();
}

HANDLE SetButtonBitmap(HWND window, int itemId, UINT bitmapId) {
    HBITMAP bitmap = LoadBitmapA(app::g_hInstance, Resource(bitmapId));
    return reinterpret_cast<HANDLE>(SendDlgItemMessageA(window, itemId, BM_SETIMAGE, IMAGE_BITMAP,
                                                        reinterpret_cast<LPARAM>(bitmap)));
}

} // namespace support
