// The program's own directory and the file version of an executable.
#pragma once

#include <string>

namespace app {

// Full directory of the running executable, ending with a backslash.
std::string ProgramDirectory();

// "1.0.0.2" from the fixed file version of the file at `path`. Throws (not a
// WinException) when the file has no readable version resource or the path
// does not fit in MAX_PATH.
std::string VersionText(std::string path);

} // namespace app
