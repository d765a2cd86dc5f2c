// Entry of zemit.exe. The arguments other than the instance are not used: the
// program reads no command line and always shows its dialog restored.
#include "app/Program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return app::Run(instance);
}
