// The class's overview of a test: every result file in the test's folder read
// into a table, what each question of each variant got wrong, the files that
// could not be read and why, and the table as CSV and RTF. Texts in memory
// are code page 1250.
#pragma once

#include "practice/AttemptFile.h"

#include <string>
#include <vector>

namespace practice {

// A file of the results folder as the caller read it: its name and bytes
// (at most kMaxFileBytes and one more, so that a larger file shows as such).
struct FolderFile {
    std::string name;
    std::string bytes;
};

// One attempt in the table.
struct ResultRow {
    std::string file;
    std::string name;
    std::string className;
    int variant = 0; // 0 for A
    int points = 0;
    int total = 0;
    int mark = 5;     // by the test's scale
    int minutes = -1; // from the start to handing in, rounded; -1 while open
    bool handedIn = false;
    int attemptNumber = 1; // 2 for the second attempt by the same name and class
    Moment start;
};

// A question of a variant and how many attempts got it wrong: handed in
// with another or no answer, or, while open, with a wrong answer given.
struct QuestionStat {
    Question question;
    int wrong = 0;
    int attempts = 0; // the attempts it counts in
};

struct UnreadableFile {
    std::string file;
    std::string reason; // a sentence
};

struct ClassOverview {
    std::vector<ResultRow> rows; // by start, then by file name
    // Per variant, its questions with the most wrong first, ties in the
    // variant's order.
    std::vector<std::vector<QuestionStat>> questions;
    std::vector<UnreadableFile> unreadable; // in the order of the files
};

// Reads every file: a result of this test becomes a row and counts in the
// statistics; any other file (broken, cut short, of another test, of a
// newer format, not a result at all) is listed with its reason. Attempts by
// the same name and class (case and extra blanks aside) are numbered by
// their start.
ClassOverview ReadClassResults(const ClassTest& test, const std::vector<FolderFile>& files);

enum class Column { Name, Class, Variant, Points, Percent, Mark, Minutes, HandedIn, Attempt };

// Sorts the table by a column; ties go by name, class and attempt, always
// ascending. Names and classes compare as CompareCzech() does, numbers as
// numbers; attempts still open sort after the others by time taken in
// either direction, and before the handed-in ones when sorting by that
// column ascending.
void SortRows(std::vector<ResultRow>& rows, Column column, bool ascending);

// Czech order, negative when `a` comes first: letters by the Czech alphabet
// (č after c, ř after r, š after s, ž after z, "ch" after h), the other
// letters with diacritics (á, ď, é, ě, í, ň, ó, ť, ú, ů, ý, and ä, ü, ł and
// the like of other languages) as their base letter unless the texts differ
// in nothing else, then lower case first;
// blanks and punctuation before digits, digits before letters, and numbers
// by their value ("8.A" before "10.A").
int CompareCzech(const std::string& a, const std::string& b);

// The table as CSV for Excel, in the rows' order: a header row, ";" between
// fields, a field in quotes when it holds ; " or a line break, CR LF.
// UTF-8 with a byte-order mark: Excel (since 2007) takes the mark as UTF-8
// when the file is opened with a double click, so Czech letters come right
// on a Windows of any language; without it, Excel would read the bytes in
// the computer's ANSI code page, right only on a Czech Windows. Per cent
// with a decimal comma, as Czech Excel reads numbers.
std::string ResultsCsv(const std::vector<ResultRow>& rows);

// The overview on A4 for the class book: the test's title, a line of what it
// was (variants, questions, the scale), the table in the rows' order, then
// per variant the questions with how many got each wrong, and the files
// that could not be read.
std::string ResultsRtf(const ClassTest& test, const ClassOverview& overview);

} // namespace practice
