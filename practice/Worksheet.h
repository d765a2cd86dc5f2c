// The printable worksheet: its RTF text and the file name it is saved under.
#pragma once

#include "practice/Grading.h"

#include <string>
#include <vector>

namespace practice {

// The page in twips: A4 with margins of 1.5 cm.
constexpr int kA4Width = 11906;
constexpr int kA4Height = 16838;
constexpr int kMargin = 851;

// How a paragraph of the sheet looks: its size in half-points, the space
// before and after it in twips.
struct SheetStyle {
    int halfPoints;
    int before;
    int after;
    bool sans; // Arial, else Times New Roman
    bool bold;
};
constexpr SheetStyle kTitleStyle = {28, 0, 60, true, true};
constexpr SheetStyle kSubtitleStyle = {18, 0, 160, false, false};
constexpr SheetStyle kLineStyle = {22, 0, 120, false, false};
constexpr SheetStyle kQuestionStyle = {22, 80, 80, false, false}; // room to write by hand
constexpr SheetStyle kKeyStyle = {20, 30, 30, false, false};

// An RTF document on A4: a short title, the kinds it covers in a smaller
// line, a line for name, class and date, the numbered questions each with a
// line for the answer, a page break and the key ("Řešení") in the same order,
// each answer followed in brackets by what also counts as right. Pure ASCII:
// the code page 1250 letters are written as \'xx escapes. A `heading` (a
// test's title and variant: "Oxidy – 8.A, varianta A") takes the short
// title's place and follows "Řešení" above the key.
std::string WorksheetRtf(const std::vector<Question>& questions, const std::string& heading = "");

// The height in twips that the questions' page and the key's page need, as
// estimated from the sizes above (a line 1.2 times the font size, a letter
// half an em wide).
std::vector<int> WorksheetHeights(const std::vector<Question>& questions,
                                  const std::string& heading = "");

// The name the Save dialog proposes: what the sheet covers and the date,
// "list oxidy a soli 2026-12-09.rtf", with nothing Windows refuses in a name.
std::string WorksheetFileName(const std::vector<Question>& questions, int year, int month, int day);

// Code page 1250 text as RTF text: \ { } escaped, bytes above 0x7F as \'xx.
std::string RtfText(const std::string& text);
// A formula's counts as subscripts: Fe{\sub 2}O{\sub 3}; the count of a
// hydrate's water stays on the line: CuSO{\sub 4}\'b75H{\sub 2}O.
std::string RtfFormula(const std::string& formula);
// The start of a document on A4 with the margins above: code page 1250,
// Czech, font 0 Times New Roman and font 1 Arial. A closing "}" ends it.
std::string RtfStart();
// How a paragraph of SheetStyle starts: "\pard\plain\sb0\sa60\f1\fs28\b ",
// with tab stops at `tabs` (in twips from the margin).
std::string ParagraphStart(const SheetStyle& style, const std::vector<int>& tabs = {});

// The path with ".rtf" added unless it ends in ".rtf" (any case): "8.A"
// becomes "8.A.rtf".
std::string WithRtfExtension(const std::string& path);

// Why the worksheet could not be written, as far as the teacher can act on it.
enum class SaveFailure { MissingFolder, ReadOnlyOrOpen, FolderNotWritable, Other };

// The box shown when the file cannot be written; `what` starts it: "Pracovní
// list se nepodařilo uložit...", "Test se nepodařilo uložit...".
std::string SaveFailedText(const std::string& path, SaveFailure failure,
                           const std::string& what = "Pracovní list");

} // namespace practice
