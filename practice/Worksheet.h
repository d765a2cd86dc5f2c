// The printable worksheet: its RTF text and the file name it is saved under.
#pragma once

#include "practice/Grading.h"

#include <string>
#include <vector>

namespace practice {

// An RTF document on A4: a title, lines for name, class and date, the
// numbered questions each with a line for the answer, a page break and the
// key ("Řešení") in the same order. Pure ASCII: the code page 1250 letters
// are written as \'xx escapes.
std::string WorksheetRtf(const std::vector<Question>& questions);

// Code page 1250 text as RTF text: \ { } escaped, bytes above 0x7F as \'xx.
std::string RtfText(const std::string& text);

// The path with ".rtf" added unless it ends in ".rtf" (any case): "8.A"
// becomes "8.A.rtf".
std::string WithRtfExtension(const std::string& path);

// Why the worksheet could not be written, as far as the teacher can act on it.
enum class SaveFailure { MissingFolder, ReadOnlyOrOpen, FolderNotWritable, Other };

// The box shown when the worksheet cannot be written.
std::string SaveFailedText(const std::string& path, SaveFailure failure);

} // namespace practice
