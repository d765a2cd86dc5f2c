// A test the teacher gives a class: its variants drawn from the list or from
// the teacher's own choice, and the test file that holds them. Texts in
// memory are code page 1250.
//
// The test file is UTF-8 text with a byte-order mark and CR LF line ends.
// Each line is a key and fields separated by tabs; in a field "\" is
// written "\\", a tab "\t", a line break "\n" or "\r", another control
// character "\xHH". The lines come in this order:
//
//   Zemit test 1                    the format's version
//   id        9f2c4e7a1b3d5f60      16 hexadecimal digits the test is known by
//   název     Oxidy – 8.A           the title, not empty
//   stupeň    ZŠ                    ZŠ or SŠ
//   druhy     oxid  hydroxid        the kinds as the compound list names them
//   směr      vzorec-název          vzorec-název, název-vzorec or smíšený
//   otázek    10                    questions in each variant, 1 to 200
//   čas       20                    minutes, 1 to 600; the line only with a limit
//   stupnice  90  75  50  30        the lowest per cent for marks 1 to 4
//   varianta  A                     then A, B, C, D in turn, at most 4
//   otázka    oxid  Fe2O3  název    kind, formula, what is asked: název or vzorec
//   ...
//   konec                           a file without it was not saved whole
//
// The answers are not in it: each question is looked up in the compiled-in
// list by its kind and formula, so a pupil learns nothing from the file.
#pragma once

#include "practice/Marks.h"
#include "practice/Round.h"
#include "practice/Selection.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace practice {

constexpr int kMaxVariants = 4;
constexpr int kMaxTestQuestions = 200;
constexpr int kMaxTestMinutes = 600;
constexpr int kTestFileVersion = 1;

struct ClassTest {
    std::string id; // 16 lower-case hexadecimal digits, TestId()
    std::string title;
    Selection selection;
    Direction direction = Direction::FormulaToName;
    int minutes = 0; // the time limit; 0 for none
    MarkScale scale;
    std::vector<std::vector<Question>> variants; // A first, each of the same length
};

// The test's id from a random number the caller draws: "00000000000000ff".
std::string TestId(uint64_t random);
// "A" for variant 0.
std::string VariantName(int variant);

// Variants of `count` questions each drawn from the groups (Groups() of the
// list for a drawn test, of the teacher's own choice otherwise): every
// variant takes from each group as many as a round of DrawRound would, the
// compounds no earlier variant has first, then those fewest variants have,
// so that variants share as few questions as the groups allow. Each variant
// comes in its own order and, in a mixed test, asks its own way round. A
// choice of exactly `count` compounds gives each variant all of them.
std::vector<std::vector<Question>> DrawVariants(const std::vector<std::vector<Question>>& groups,
                                                int count, Direction direction, int variants,
                                                uint32_t seed);

// The teacher's own choice: every compound of the chosen kinds at the level,
// in the order of Kinds() and then of the list, whose formula or one of whose
// names holds `filter` ignoring case, diacritics and extra blanks ("zelez"
// finds oxid železitý, "fe2" finds Fe2O3). An empty filter keeps all.
std::vector<Compound> CompoundsToChoose(const Selection& selection, const std::string& filter,
                                        const std::vector<Compound>& compounds);

// What is wrong with a test before it is saved, as a sentence for the
// dialog: the title, the scale, the time, the variants. Empty for a good one.
std::string TestFault(const ClassTest& test);

// The test file's text; the test must have no TestFault().
std::string TestFileText(const ClassTest& test);

struct TestReading {
    ClassTest test;
    // Empty when the file was read; otherwise one sentence, with the line
    // where there is one: "Řádek 7: neznámý druh sloučeniny „oxidy“."
    std::string fault;
};
// Reads a test file strictly, looking each question up in `compounds`
// (ListedCompounds()): a question the list does not hold, a kind or a
// level the test does not cover, a question twice in a variant or variants
// of unequal length are faults, as is a newer format.
TestReading ReadTestFile(std::string_view bytes, const std::vector<Compound>& compounds);

// The extension of test files, and the path with it added unless it ends in
// it (any case): "Oxidy 8.A" becomes "Oxidy 8.A.zemtest".
constexpr const char* kTestExtension = ".zemtest";
std::string WithTestExtension(const std::string& path);

// The folder of the results beside the test file: its name without the
// extension and " - výsledky", so that the two stand together in a listing
// and the folder never takes the name of a test file without an extension:
// "S:\Chemie\Oxidy 8.A.zemtest" gives "S:\Chemie\Oxidy 8.A - výsledky".
std::string ResultsFolder(const std::string& testPath);

// The name the Save dialog proposes for a test: its title made safe for a
// file name as ResultFileName() makes a pupil's, "Oxidy – 8.A.zemtest".
std::string TestFileName(const std::string& title);

// A variant's worksheet beside the test file, named as the results folder
// is: "S:\Chemie\Oxidy 8.A.zemtest" and variant 1 give
// "S:\Chemie\Oxidy 8.A - varianta B.rtf".
std::string VariantSheetPath(const std::string& testPath, int variant);
// The heading of that worksheet: "Oxidy – 8.A, varianta B".
std::string VariantHeading(const std::string& title, int variant);

} // namespace practice
