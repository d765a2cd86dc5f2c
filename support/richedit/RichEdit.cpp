#include "support/richedit/RichEdit.h"

#include "base/Owners.h"

#include "app/Globals.h"

#include <commdlg.h>

#include <cstring>

namespace support {

HWND RichEditTarget = nullptr;
COLORREF RichBackgroundColour = 0xFFFF00;
COLORREF RichCustomColours[16] = {};

const char kRichFileFilter[] = "Soubory rtf (*.rtf)\0*.rtf\0Všechny soubory\0*.*\0";

namespace {

static_assert(sizeof(CHARFORMATA) == 60, "the character format of Rich Edit 1.0");
static_assert(sizeof(CHARFORMAT2A) == 84, "the character format of Rich Edit 2.0");
static_assert(sizeof(PARAFORMAT2) == 188, "the paragraph format of Rich Edit 2.0");
// The common dialog records as each target's Windows headers lay them out.
static_assert(sizeof(OPENFILENAMEA) == (sizeof(void*) == 4 ? 88 : 152), "the file dialog record");
static_assert(sizeof(CHOOSECOLORA) == (sizeof(void*) == 4 ? 36 : 72), "the colour dialog record");

constexpr DWORD kFaceMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BACKCOLOR |
                            CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
static_assert(kFaceMask == 0xEC00000F, "size, colour, face, character set, background, effects");
constexpr LONG kFaceHeight = 190; // twips: 9.5 points
constexpr WPARAM kSelectionOrWord = SCF_SELECTION | SCF_WORD;
constexpr COLORREF kRed = 0x0000FF;
constexpr LONGLONG kMaxTextLimit = 0x7FFFFFFF;
// What the stream callbacks return when the file fails them.
constexpr DWORD kWriteFault = ERROR_WRITE_FAULT;
constexpr DWORD kReadFault = ERROR_READ_FAULT;

LRESULT SendToTarget(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(RichEditTarget, message, wParam, lParam);
}

DWORD QueryEffect(DWORD effect) {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    format.dwMask = effect;
    SendToTarget(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format.dwEffects & effect;
}

LRESULT SetEffect(DWORD effect, BOOL set) {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    format.dwMask = effect;
    format.dwEffects = set ? effect : 0;
    return SendToTarget(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

LRESULT SetParagraph(PARAFORMAT2& paragraph) {
    paragraph.cbSize = sizeof paragraph;
    return SendToTarget(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
}

// The file name the user picks in the save or open dialog; false if cancelled.
bool AskRichFileName(char (&name)[MAX_PATH], bool save) {
    name[0] = '\0';
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = app::g_hMainDialog;
    dialog.lpstrFilter = kRichFileFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = save ? OFN_PATHMUSTEXIST : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return (save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)) != FALSE;
}

DWORD Stream(HANDLE file, UINT message, EDITSTREAMCALLBACK callback) {
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
    stream.pfnCallback = callback;
    SendToTarget(message, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError;
}

} // namespace

BOOL FormatSelection(HWND control, const DWORD& mask, CHARFORMAT2A* format, int red, int green,
                     int blue, BOOL bold, BOOL italic, BOOL underline) {
    format->cbSize = sizeof(CHARFORMATA);
    SendMessageA(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(format));

    SelectionFormat read;
    read.effects = format->dwEffects;
    read.charSet = format->bCharSet;
    read.pitchAndFamily = format->bPitchAndFamily;
    std::memcpy(read.face, format->szFaceName, sizeof read.face);
    const SelectionFormat sent =
        ComposeSelectionFormat(read, mask, static_cast<unsigned>(red), static_cast<unsigned>(green),
                               static_cast<unsigned>(blue), bold, italic, underline);

    format->cbSize = sizeof(CHARFORMAT2A);
    format->dwMask = sent.mask;
    format->dwEffects = sent.effects;
    format->crTextColor = sent.textColour;
    format->crBackColor = sent.backColour;
    format->bCharSet = sent.charSet;
    format->bPitchAndFamily = sent.pitchAndFamily;
    std::memcpy(format->szFaceName, sent.face, sizeof format->szFaceName);
    if (!SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(format))) {
        MessageBoxA(control, "FORMAT ERROR", "Error", MB_OK);
        return FALSE;
    }
    SetFocus(control);
    return TRUE;
}

void ChooseRichBackground(HWND control) {
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = control;
    choose.rgbResult = RichBackgroundColour;
    choose.lpCustColors = RichCustomColours;
    choose.Flags = CC_RGBINIT;
    if (ChooseColorA(&choose)) {
        RichBackgroundColour = choose.rgbResult;
        SendMessageA(control, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(RichBackgroundColour));
    }
    SetFocus(control);
}

LRESULT MarkSelectionRed(HWND control, BOOL red, CHARFORMAT2A* format) {
    format->cbSize = sizeof(CHARFORMAT2A);
    SendMessageA(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(format));
    // The colour must be applied as a colour of its own: a selection in the
    // automatic colour would otherwise ignore it and stay black.
    format->dwMask |= CFM_COLOR;
    format->dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
    format->crTextColor = red ? kRed : 0;
    SetFocus(control);
    return SendMessageA(control, EM_SETCHARFORMAT, kSelectionOrWord,
                        reinterpret_cast<LPARAM>(format));
}

BOOL SetSelectionFace(HWND control, DWORD& maskUsed, CHARFORMATA* format, const char* face) {
    std::memset(format, 0, sizeof *format);
    format->cbSize = sizeof *format;
    format->dwMask = kFaceMask;
    maskUsed = kFaceMask;
    format->dwEffects = 0;
    format->yHeight = kFaceHeight;
    format->crTextColor = 0;
    format->bCharSet = EASTEUROPE_CHARSET;
    CopyFaceName(format->szFaceName, face);
    if (!SendMessageA(control, EM_SETCHARFORMAT, kSelectionOrWord,
                      reinterpret_cast<LPARAM>(format))) {
        MessageBoxA(control, "EM_SETCHARFORMAT", "Error", MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL SaveRichFile() {
    char name[MAX_PATH];
    if (!AskRichFileName(name, true)) {
        return FALSE;
    }
    const base::FileOwner file(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return FALSE;
    }
    return Stream(file.Get(), EM_STREAMOUT, detail::WriteRichChunk) == 0;
}

BOOL OpenRichFile() {
    char name[MAX_PATH];
    if (!AskRichFileName(name, false)) {
        return FALSE;
    }
    const base::FileOwner file(
        CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return FALSE;
    }
    // The control's text limit also cuts what an RTF stream brings in: make
    // room for the whole file (it has at least as many bytes as characters).
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file.Get(), &size)) {
        const LONGLONG needed = size.QuadPart < kMaxTextLimit ? size.QuadPart : kMaxTextLimit;
        if (needed > SendToTarget(EM_GETLIMITTEXT, 0, 0)) {
            SendToTarget(EM_EXLIMITTEXT, 0, static_cast<LPARAM>(needed));
        }
    }
    // Only a failed read counts: text that is not valid RTF loads as far as
    // the control accepts it.
    return Stream(file.Get(), EM_STREAMIN, detail::ReadRichChunk) != kReadFault;
}

DWORD CALLBACK detail::WriteRichChunk(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* written) {
    DWORD done = 0;
    const BOOL ok = WriteFile(reinterpret_cast<HANDLE>(cookie), bytes, static_cast<DWORD>(count),
                              &done, nullptr);
    *written = static_cast<LONG>(done);
    return ok && done == static_cast<DWORD>(count) ? 0 : kWriteFault;
}

DWORD CALLBACK detail::ReadRichChunk(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* read) {
    DWORD done = 0;
    const BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), bytes, static_cast<DWORD>(count),
                             &done, nullptr);
    *read = ok ? static_cast<LONG>(done) : 0;
    return ok ? 0 : kReadFault;
}

LRESULT ShowCharacterCount() {
    GETTEXTLENGTHEX length = {};
    length.flags = GTL_USECRLF | GTL_NUMCHARS;
    length.codepage = CP_ACP;
    const LRESULT count = SendToTarget(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    char text[16];
    wsprintfA(text, "%ld", static_cast<long>(count));
    MessageBoxA(app::g_hMainDialog, text, "Počet znaků", MB_OK | MB_ICONINFORMATION);
    return count;
}

DWORD IsSelectionBold() {
    return QueryEffect(CFM_BOLD);
}
DWORD IsSelectionItalic() {
    return QueryEffect(CFM_ITALIC);
}
DWORD IsSelectionUnderlined() {
    return QueryEffect(CFM_UNDERLINE);
}
LRESULT SetSelectionBold(BOOL set) {
    return SetEffect(CFM_BOLD, set);
}
LRESULT SetSelectionItalic(BOOL set) {
    return SetEffect(CFM_ITALIC, set);
}
LRESULT SetSelectionUnderlined(BOOL set) {
    return SetEffect(CFM_UNDERLINE, set);
}

LRESULT FindWholeWord(const char* text) {
    FINDTEXTA find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = -1;
    find.lpstrText = text;
    const LRESULT position = SendToTarget(EM_FINDTEXT, FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE,
                                          reinterpret_cast<LPARAM>(&find));
    if (position < 0) {
        return -1;
    }
    return SendToTarget(EM_SETSEL, static_cast<WPARAM>(position), position);
}

LRESULT SetDoubleZoom() {
    return SendToTarget(EM_SETZOOM, 2, 1);
}

LRESULT ClearToPlainText() {
    // The control switches modes only while it is empty.
    SetWindowTextA(RichEditTarget, "");
    return SendToTarget(EM_SETTEXTMODE, TM_PLAINTEXT, 0);
}

LRESULT JustifySelection() {
    PARAFORMAT2 paragraph = {};
    paragraph.dwMask = PFM_ALIGNMENT;
    paragraph.wAlignment = PFA_JUSTIFY;
    return SetParagraph(paragraph);
}

LRESULT SetDoubleSpacing() {
    PARAFORMAT2 paragraph = {};
    paragraph.dwMask = PFM_LINESPACING;
    paragraph.bLineSpacingRule = 2;
    return SetParagraph(paragraph);
}

LRESULT ShowVerticalScrollBar() {
    return SendToTarget(EM_SHOWSCROLLBAR, SB_VERT, TRUE);
}

} // namespace support
