// The class's overview as the results dialog shows it: the table's headings
// and cells, the lines above and below it, the questions' mistakes, the files
// that could not be read, and the names and messages of the files it saves.
// Texts are code page 1250.
#pragma once

#include "practice/ClassResults.h"
#include "practice/Worksheet.h"

#include <string>
#include <vector>

namespace practice {

constexpr int kColumnCount = 9;

// The column at a place of the table, from 0: the order of Column.
Column ColumnAt(int index);
// "Jméno", "Třída", ... "Stav", "Pokus".
const char* ColumnHeading(Column column);
// Whether the column holds numbers, aligned to the right.
bool NumericColumn(Column column);

// "odevzdáno", or "rozpracováno" while the pupil has not handed in.
const char* StateWord(bool handedIn);

// The row's cells in the order of Column: "Jan Novák", "8.A", "B", "7 z 10",
// "70", "3 dobře", "16" (empty while open), "odevzdáno", "1".
std::vector<std::string> RowCells(const ResultRow& row);

// The line under the title: "2 varianty po 10 otázkách, ze vzorce název,
// základní škola, čas 20 minut. Známka 1 od 90 %, 2 od 75 %, 3 od 50 %,
// 4 od 30 %."
std::string TestAboutText(const ClassTest& test);

// What the folder held: where it is and how many attempts, handed in and
// open, or that there are no results yet (`folderFound` false: the folder
// is made by the first pupil who starts the test).
std::string FolderStateText(const ClassOverview& overview, bool folderFound,
                            const std::string& folder);

// Each variant's questions with how many got them wrong, the worst first,
// a line each: "2 z 3 špatně: Fe2O3 – oxid železitý" (what was asked, then
// the right answer), under "Varianta A:" when there are several variants.
std::string QuestionsText(const ClassOverview& overview);

// The files that could not be read, a line each with its reason, or a line
// saying that all were read.
std::string UnreadableText(const ClassOverview& overview);

// Why a file (or the folder's listing) could not be read, as a sentence:
// the reason in a file's line, or under the test file's path in a box.
// `error` is the system's code, said only for Other.
enum class OpenFailure { NotFound, Denied, InUse, Other };
std::string OpenFailureText(OpenFailure failure, unsigned long error);

// A file of the results folder that a whole-file write left behind when it
// was cut short (its name with "~" or "~2" after the target's): no result.
bool IsLeftoverOfWrite(const std::string& fileName);

// The name the Save dialog proposes: "Oxidy – 8.A – výsledky.csv", with
// nothing Windows refuses in a name; `extension` with its dot.
std::string ResultsFileName(const std::string& title, const std::string& extension);

// The box shown when the test file cannot be read: its path and the reason.
std::string TestOpenFailedText(const std::string& path, const std::string& fault);

// The box shown when the table ("Tabulku") or the overview ("Přehled")
// cannot be written, with the reason SaveFailedText() gives.
std::string ResultsSaveFailedText(const std::string& what, const std::string& path,
                                  SaveFailure failure);

} // namespace practice
