// The second process of the shared-file tests: "show <file>" writes the text
// that ShowSharedText puts into an item to <file>; "mask" masks the shared
// text; "open <file>" tries to share <file> itself, answering its own Open
// dialog. The exit code is the operation's result (1 or 0).
#include "support/files/Files.h"

#include "Boxes.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "mask") == 0) {
        return support::MaskSharedText() ? 1 : 0;
    }
    const int item = 100;
    if (argc >= 3 && std::strcmp(argv[1], "open") == 0) {
        HWND host = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 50, host,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(item)),
                        GetModuleHandleA(nullptr), nullptr);
        testsupport::DialogAnswerer answer("", testsupport::AnswerFileDialog(argv[2]));
        const bool opened = support::OpenSharedFile(host, item);
        DestroyWindow(host);
        return opened ? 1 : 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "show") == 0) {
        HWND host = CreateWindowExA(0, "STATIC", "peer", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE, 0, 0, 50, 50, host,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(item)),
                        GetModuleHandleA(nullptr), nullptr);
        const bool shown = support::ShowSharedText(host, item);
        std::vector<char> text(65536, '\0');
        GetDlgItemTextA(host, item, text.data(), static_cast<int>(text.size()));
        std::ofstream(argv[2], std::ios::binary) << text.data();
        DestroyWindow(host);
        return shown ? 1 : 0;
    }
    return 2;
}
