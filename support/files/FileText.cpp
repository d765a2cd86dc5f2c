#include "support/files/FileText.h"

#include <cstring>

namespace support {

bool FitsPath(std::string_view path) {
    return path.size() <= base::kLongestPath && path.find('\0') == std::string_view::npos;
}

std::string ProjectText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 1);
    size_t start = 0;
    for (;;) {
        const size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            text.append(bytes.substr(start));
            text += '\n';
            return text;
        }
        const size_t end = lf > start && bytes[lf - 1] == '\r' ? lf - 1 : lf;
        text.append(bytes.substr(start, end - start));
        text += '\n';
        start = lf + 1;
    }
}

size_t BoundedTextLength(const char* bytes, size_t capacity) {
    const void* zero = capacity == 0 ? nullptr : std::memchr(bytes, '\0', capacity);
    return zero == nullptr ? capacity : static_cast<const char*>(zero) - bytes;
}

void MaskText(char* bytes, size_t capacity) {
    std::memset(bytes, '*', BoundedTextLength(bytes, capacity));
}

} // namespace support
