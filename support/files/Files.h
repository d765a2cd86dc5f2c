// File, mapping and process utilities. Texts are single-byte strings in the
// ANSI code page; paths longer than 259 characters are refused.
#pragma once

#include "support/files/LastError.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace support {

// Name (without folder) of the first file that FindFirstFileA reports for
// `folder` + `pattern`, joined as they are; "" when nothing matches.
std::string FindFirstMatch(const char* folder, const char* pattern);

// The project file's text line by line (see ProjectText in FileText.h); ""
// after ShowLastError("Nelze otevřít soubor projektu").
std::string ReadProjectFile(const char* path);

// Failure stages of QueryFileInfo.
enum FileInfoStage : int {
    kInfoOk = 0,
    kInfoNoPath = 1,
    kInfoOpen = 2,
    kInfoFileInformation = 3,
    kInfoTimeConversion = 4,
    kInfoLoadPicture = 5,
    kInfoPictureHandle = 6,
    kInfoPictureObject = 7,
    kInfoNullPicture = 8,
};

// Facts about a file; each output is optional (null when not wanted). The size
// and the creation time (UTC) come from the open file, the picture's width,
// height and bits per pixel from OleLoadPicturePath (an absolute path). True if
// every requested part succeeded; false with `stage` and `code` set otherwise,
// and false when no size, time or picture output is requested.
bool QueryFileInfo(const char* path, uint64_t* size, SYSTEMTIME* created, LONG* width, LONG* height,
                   WORD* bitsPerPixel, int* stage, DWORD* code);

// Opens (or creates empty) `path`. With `readOnly` its creation time is read
// into `time`; otherwise its creation and last-write times are set to `time`.
// A given `time` is then converted into `systemTime` (UTC).
void StampFileTimes(const char* path, FILETIME* time, SYSTEMTIME* systemTime, bool readOnly);

// Copies every "*.jpg" of `sourceFolder` to the shell's destination list
// (paths each ended by a zero, the list by a second zero) with the shell's own
// dialogs. True if the shell operation returned 0.
bool CopyJpegFiles(const char* sourceFolder, const char* destinations);

// "\StringFileInfo\040904b0\FileVersion" of the file's version resource; "" without one.
std::string GetFileVersionText(const char* path);

// Dialog item text to and from files.
bool SaveItemText(HWND dialog, const char* path, int item);
bool LoadItemText(HWND dialog, const char* path, int item);
bool OpenItemText(HWND dialog, int item);
bool SaveItemTextAs(HWND dialog, int item);

// The shared file: the creating side keeps at most one file mapped under the
// name "SdilenySoubor", one byte longer than the file and ended by a zero.
extern HANDLE SharedFileHandle;
extern HANDLE SharedMappingHandle;
extern char* SharedView; // null while no shared file is open
bool OpenSharedFile(HWND dialog, int item);
bool CloseSharedFile(HWND dialog, int item);
// The reading side, from any process of the same session.
bool ShowSharedText(HWND dialog, int item);
bool MaskSharedText();

// Puts `text` in front of the file's former content.
bool PrependToFile(const char* path, const char* text);

// The executable's base name and full path of process `processId` (either
// buffer may be null). False when psapi or its functions are missing or the
// process cannot be opened; the buffers then hold "".
bool GetProcessModuleNames(DWORD processId, char* baseName, DWORD baseSize, char* fullPath,
                           DWORD fullSize);
// The full path of the executable behind `window`, into a buffer of MAX_PATH characters.
bool GetWindowProcessPath(HWND window, char* path);

} // namespace support
