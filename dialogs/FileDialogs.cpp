#include "dialogs/FileDialogs.h"

#include "practice/Text.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace dialogs {
namespace {

const char kTestFilter[] = "Testy Zemit (*.zemtest)\0*.zemtest\0Všechny soubory (*.*)\0*.*\0";

// Where the last class test was chosen, while the program runs.
std::string& TestFolder() {
    static std::string folder;
    return folder;
}

} // namespace

std::string DocumentsFolder() {
    std::vector<char> documents(MAX_PATH, '\0');
    return SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT,
                                      documents.data()))
               ? std::string(documents.data())
               : std::string();
}

std::string ChooseSaveFile(HWND dialog, const char* caption, const FileType& type,
                           const std::string& suggested, const std::string& folder) {
    std::vector<char> path(MAX_PATH, '\0');
    suggested.copy(path.data(), std::min(suggested.size(), path.size() - 1));
    OPENFILENAMEA save = {};
    save.lStructSize = sizeof save;
    save.hwndOwner = dialog;
    save.lpstrFilter = type.filter;
    save.nFilterIndex = 1;
    save.lpstrFile = path.data();
    save.nMaxFile = static_cast<DWORD>(path.size());
    save.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    save.lpstrDefExt = type.extension + 1; // without its dot
    save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&save)) {
        return "";
    }
    const std::string chosen = practice::WithExtension(path.data(), type.extension);
    if (chosen != path.data() && GetFileAttributesA(chosen.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::string question = chosen + " už existuje.\r\nNahradit ho?";
        if (MessageBoxA(dialog, question.c_str(), caption,
                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            return "";
        }
    }
    return chosen;
}

std::string ChooseTestFile(HWND owner, const char* caption) {
    std::vector<char> path(MAX_PATH, '\0');
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = kTestFilter;
    open.nFilterIndex = 1;
    open.lpstrFile = path.data();
    open.nMaxFile = static_cast<DWORD>(path.size());
    open.lpstrInitialDir = TestFolder().empty() ? nullptr : TestFolder().c_str();
    open.lpstrTitle = caption;
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&open)) {
        return "";
    }
    const std::string chosen = path.data();
    TestFolder() = chosen.substr(0, chosen.find_last_of('\\'));
    return chosen;
}

} // namespace dialogs
