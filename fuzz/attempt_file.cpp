// Feeds arbitrary bytes to the result file reader: an attempt it accepts has
// no more points than questions, writes back to a file that reads the same,
// and gets a file name Windows takes; in the overview of a test made of its
// questions (those the list holds) it is a row or unreadable, never both nor
// neither, and the RTF is pure ASCII. Each input is read as it is and
// converted once more, as test_file.cpp explains.
#include "fuzz/FuzzCheck.h"
#include "practice/ClassResults.h"
#include "practice/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Read(std::string_view bytes) {
    const practice::AttemptReading read = practice::ReadAttemptFile(bytes);
    if (!read.fault.empty()) {
        return;
    }
    const practice::Attempt& attempt = read.attempt;
    fuzz::Check(practice::Points(attempt) <= static_cast<int>(attempt.answers.size()));
    const std::string text = practice::AttemptFileText(attempt);
    const practice::AttemptReading again = practice::ReadAttemptFile(text);
    fuzz::Check(again.fault.empty() && practice::AttemptFileText(again.attempt) == text);
    const std::string name = practice::ResultFileName(attempt.pupil);
    fuzz::Check(name.size() > 4 && name.find_first_of("\\/:*?\"<>|") == std::string::npos);
    practice::ClassTest test;
    test.id = attempt.testId;
    test.variants.resize(attempt.variant + 1);
    for (const practice::AnswerRecord& record : attempt.answers) {
        for (const practice::Compound& compound : practice::ListedCompounds()) {
            if (compound.kind == record.kind && compound.formula == record.formula) {
                test.variants.back().push_back({compound, record.ask});
                break;
            }
        }
    }
    const practice::ClassOverview overview =
        practice::ReadClassResults(test, {{"soubor.txt", std::string(bytes)}});
    fuzz::Check(overview.rows.size() + overview.unreadable.size() == 1);
    practice::ResultsCsv(overview.rows);
    for (const char c : practice::ResultsRtf(test, overview)) {
        fuzz::Check(static_cast<unsigned char>(c) < 0x80);
    }
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
