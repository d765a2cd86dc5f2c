// Feeds arbitrary files to the project-file line reader and checks the result
// against a plain line-by-line rendering: every line, the last one included,
// ends with "\n", a CR in front of a line break goes, nothing else changes.
#include "fuzz/FuzzCheck.h"
#include "support/files/FileText.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::string SlowProjectText(const std::string& bytes) {
    std::string text;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            text += line + "\n";
            line.clear();
        } else {
            line += bytes[i];
        }
    }
    return text + line + "\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = support::ProjectText(bytes);
    fuzz::Check(text == SlowProjectText(bytes));
    fuzz::Check(!text.empty() && text.back() == '\n');
    size_t breaks = 0;
    for (const char c : bytes) {
        breaks += c == '\n';
    }
    size_t lines = 0;
    for (const char c : text) {
        lines += c == '\n';
    }
    fuzz::Check(lines == breaks + 1);
    fuzz::Check(text.size() <= bytes.size() + 1);

    // The bounded text of a view never reaches past its end.
    std::string view = bytes;
    const size_t length = support::BoundedTextLength(view.data(), view.size());
    fuzz::Check(length <= view.size() && view.compare(0, length, bytes, 0, length) == 0);
    support::MaskText(view.data(), view.size());
    fuzz::Check(view.find_first_not_of('*') ==
                (length == view.size() ? std::string::npos : length));
    return 0;
}
