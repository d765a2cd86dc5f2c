#include "app/WinException.h"

namespace app {
namespace {
const char* const kExceptionCaption = "Exception";
} // namespace

void OutOfMemory() {
    throw WinException("Out of memory");
}

void ReportException(const WinException& e) {
    MessageBoxA(nullptr, e.Message(), kExceptionCaption, MB_ICONWARNING);
}

void ReportUnknownException() {
    MessageBoxA(nullptr, "Unknown", kExceptionCaption, MB_ICONWARNING);
}

} // namespace app
