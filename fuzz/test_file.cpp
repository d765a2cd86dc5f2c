// Feeds arbitrary bytes to the test file reader: a test it accepts has one to
// four variants of the same length, each question from the list, nothing the
// save would refuse, and writes back to a file that reads as the same test.
// clang builds the fuzz targets with UTF-8 literals (see CMakeLists.txt), so a
// file as the program writes it reads here only after one more conversion:
// each input is read as it is and, without a byte-order mark, converted
// once more, so that the seed files get past their first lines.
#include "fuzz/FuzzCheck.h"
#include "practice/TestFile.h"
#include "practice/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Read(std::string_view bytes) {
    const practice::TestReading read = practice::ReadTestFile(bytes, practice::ListedCompounds());
    if (!read.fault.empty()) {
        return;
    }
    const practice::ClassTest& test = read.test;
    fuzz::Check(practice::TestFault(test).empty());
    for (const auto& variant : test.variants) {
        fuzz::Check(variant.size() == test.variants.front().size());
        for (const practice::Question& question : variant) {
            fuzz::Check(!question.compound.names.empty());
        }
    }
    const std::string text = practice::TestFileText(test);
    const practice::TestReading again = practice::ReadTestFile(text, practice::ListedCompounds());
    fuzz::Check(again.fault.empty() && practice::TestFileText(again.test) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Read(bytes);
    if (bytes.substr(0, practice::kUtf8Bom.size()) == practice::kUtf8Bom) {
        bytes.remove_prefix(practice::kUtf8Bom.size());
    }
    Read(practice::Utf8FromCp1250(bytes));
    return 0;
}
