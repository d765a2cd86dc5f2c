// Feeds arbitrary name and suffix texts (split at the first NUL) to the composer.
#include "chemistry/FormulaComposer.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string::size_type split = input.find('\0');
    const std::string name = input.substr(0, split);
    const std::string suffix = split == std::string::npos ? "" : input.substr(split + 1);
    if (chemistry::FormulaComposer(name, suffix).empty()) {
        __builtin_trap();
    }
    return 0;
}
