// Dialog item text to and from files, directly or through the file dialogs.
#include "support/files/Files.h"

#include "support/files/FileDialog.h"
#include "support/files/FileText.h"
#include "base/Owners.h"

#include <commdlg.h>

namespace support {
namespace {

const char* const kCreateFailed = "Nepodařilo se vytvořit soubor";
const char* const kWriteFailed = "Chyba zápisu do souboru";
const char* const kOpenFailed = "Nepodařilo se otevřít soubor";
const char* const kSizeFailed = "Chyba GetFileSize";
const char* const kReadFailed = "Chyba čtení souboru";

// A zero-filled block of the process heap, released when it goes.
struct HeapText {
    base::HeapBlockOwner block;
    explicit HeapText(SIZE_T size) : block(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size)) {}
    char* bytes() const { return static_cast<char*>(block.Get()); }
};

// Reports `caption` with the current last error and fails.
bool Fail(const char* caption) {
    ShowLastError(caption);
    return false;
}

// The 76-byte dialog layout without the later extension fields.
bool AskFileName(HWND owner, DWORD flags, bool save, char (&name)[MAX_PATH]) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = flags;
    name[0] = '\0';
    return save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
}

} // namespace

bool SaveItemText(HWND dialog, const char* path, int item) {
    const LRESULT length = SendDlgItemMessageA(dialog, item, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return false;
    }
    if (path == nullptr || !FitsPath(path)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return Fail(kCreateFailed);
    }
    const HeapText text(static_cast<SIZE_T>(length) + 1);
    if (!text.block) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return Fail(kCreateFailed);
    }
    // The item may hold fewer characters by now than it announced.
    const UINT got = GetDlgItemTextA(dialog, item, text.bytes(), static_cast<int>(length) + 1);
    const base::FileOwner file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return Fail(kCreateFailed);
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), text.bytes(), got, &written, nullptr) || written != got) {
        ShowLastError(kWriteFailed);
    }
    return true;
}

bool LoadItemText(HWND dialog, const char* path, int item) {
    SetDlgItemTextA(dialog, item, "");
    if (path == nullptr || !FitsPath(path)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return Fail(kOpenFailed);
    }
    const base::FileOwner file(
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return Fail(kOpenFailed);
    }
    DWORD high = 0;
    SetLastError(NO_ERROR); // a size of 0xFFFFFFFF is told from a failure by the last error
    const DWORD size = GetFileSize(file.Get(), &high);
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        return Fail(kSizeFailed);
    }
    // Files of 4 GiB and more do not fit a 32-bit process; neither does the
    // largest 32-bit size with its terminator.
    if (high != 0 || size == INVALID_FILE_SIZE) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return Fail(kReadFailed);
    }
    const HeapText text(static_cast<SIZE_T>(size) + 1);
    if (!text.block) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return Fail(kReadFailed);
    }
    DWORD read = 0;
    if (!ReadFile(file.Get(), text.bytes(), size, &read, nullptr)) {
        return Fail(kReadFailed);
    }
    text.bytes()[read] = '\0';
    SetDlgItemTextA(dialog, item, text.bytes());
    return true;
}

bool OpenItemText(HWND dialog, int item) {
    char name[MAX_PATH];
    if (!AskFileName(dialog, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, false, name)) {
        return false;
    }
    return LoadItemText(dialog, name, item);
}

bool SaveItemTextAs(HWND dialog, int item) {
    char name[MAX_PATH];
    if (!AskFileName(dialog, OFN_PATHMUSTEXIST, true, name)) {
        return false;
    }
    return SaveItemText(dialog, name, item);
}

bool AskOpenFileName(HWND owner, char (&name)[MAX_PATH]) {
    return AskFileName(owner, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, false, name);
}

} // namespace support
