// Pictures the program for people without a display: starts zemit.exe (the one
// beside it, or the one given second), names Fe2O3 in its main dialog, saves
// the dialog as PNG to the path given first, and closes the program. Exit code
// 0 when all of it worked.
#include "Driver.h"

#include "Screenshot.h"
#include "resources/resource.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zemit_snapshot <picture.png> [zemit.exe]\n");
        return 2;
    }
    e2e::Program program(argc == 3 ? argv[2] : e2e::Program::DefaultExe());
    if (program.WaitForMainDialog() == nullptr) {
        std::fprintf(stderr, "zemit_snapshot: the main dialog did not appear\n");
        return 1;
    }
    program.Choose(IDC_SYMBOL, L"Fe");
    program.Choose(IDC_ELEMENT_COUNT, L"2");
    program.Choose(IDC_OXYGEN, L"O");
    program.Choose(IDC_OXYGEN_COUNT, L"3");
    program.PressAndRead(IDC_NAME_OK, IDC_NAME_RESULT);
    program.Choose(IDC_STEM, L"sir");
    program.Choose(IDC_SUFFIX, L"ový");
    program.PressAndRead(IDC_COMPOSE_OK, IDC_FORMULA_RESULT);
    const bool saved = testsupport::SaveScreenshot(program.main(), argv[1]);
    PostMessageA(program.main(), WM_CLOSE, 0, 0);
    const DWORD code = program.WaitForExit();
    if (!saved) {
        std::fprintf(stderr, "zemit_snapshot: could not save %s\n", argv[1]);
    }
    return saved && code == 0 ? 0 : 1;
}
