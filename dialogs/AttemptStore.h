// Where a pupil's attempt at a class test is kept: its result file in the
// test's results folder, which the teacher reads, and a copy on this computer,
// which lets the pupil continue the attempt after a crash even where the
// results folder is a drop box (pupils may create files there but neither
// list nor read it). Paths and contents are code page 1250 / bytes.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs {

// Creates the results folder when it is missing and in it a new result file
// holding `bytes`, never replacing another pupil's: "Jan Novák 8.A.txt", when
// that name is taken "Jan Novák 8.A (2).txt" and so on; the file is created
// as new, so two pupils starting at once never get the same one. `path` is
// the file made. False with the last error when none could be made.
bool CreateResultFile(const std::string& folder, const std::string& fileName,
                      const std::string& bytes, std::string& path);

// Rewrites the result file whole: through a temporary file that replaces it
// (a crash leaves the old or the new file, never half of one), or where the
// folder does not let the pupil replace files, in place.
bool RewriteResultFile(const std::string& path, const std::string& bytes);

// The folder of this computer's copies: <local application data>\Zemit\Testy,
// created when missing; empty when there is none.
std::string LocalAttemptFolder();

// This computer's copy: the result file's path on its first line, then the
// result file's bytes.
bool SaveLocalAttempt(const std::string& localPath, const std::string& sharedPath,
                      const std::string& bytes);
// False when there is no copy or it has no first line.
bool LoadLocalAttempt(const std::string& localPath, std::string& sharedPath, std::string& bytes);

} // namespace dialogs
