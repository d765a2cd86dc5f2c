#include "app/LabelFont.h"

namespace app {

HFONT ApplyLabelFont(HWND dialog, int id, int height, const char* face) {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = height;
    font.lfItalic = TRUE;
    font.lfUnderline = TRUE;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&font);
    SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    return handle;
}

} // namespace app
