// The printable worksheet: its RTF text and the file name it is saved under.
#pragma once

#include "practice/Answers.h"

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

// The path with ".rtf" added when its file name has no extension.
std::string WithRtfExtension(const std::string& path);

// The box shown when the worksheet cannot be written.
std::string SaveFailedText(const std::string& path);

} // namespace practice
