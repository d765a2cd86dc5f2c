// One pupil of a class handing in at once with the others: creates a result
// file for "Jan Novák 8.A" (the user name tells the pupils apart) in the
// folder, rewrites it after each of a few answers, hands in and exits 0; any
// failure exits 1.
//   attempt_writer <results folder> <pupil number>
#include "dialogs/AttemptStore.h"
#include "practice/AttemptFile.h"
#include "tests/app/ClassOfThirty.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::string folder = argv[1];
    const int number = std::atoi(argv[2]);
    const practice::ClassTest test = classtest::Test();
    practice::Attempt attempt = practice::StartAttempt(
        test, number % 2, classtest::PupilNumber(number), {2026, 3, 12, 8, 0, 0}, "test");
    std::string path;
    if (!dialogs::CreateResultFile(folder, practice::ResultFileName(attempt.pupil),
                                   practice::AttemptFileText(attempt), path)) {
        std::fprintf(stderr, "create failed: %lu\n", GetLastError());
        return 1;
    }
    for (std::size_t i = 0; i < attempt.answers.size(); ++i) {
        practice::RecordAnswer(attempt, test, i, classtest::AnswerOf(test, attempt, i, number));
        if (!dialogs::RewriteResultFile(path, practice::AttemptFileText(attempt))) {
            std::fprintf(stderr, "rewrite %zu failed: %lu\n", i, GetLastError());
            return 1;
        }
    }
    practice::HandIn(attempt, {2026, 3, 12, 8, 10, 0});
    return dialogs::RewriteResultFile(path, practice::AttemptFileText(attempt)) ? 0 : 1;
}
