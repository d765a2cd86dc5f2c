// Test helper: where the test runs from, and temporary folders that are
// removed with everything in them when the test is done.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// The running executable's full path, and its folder with the trailing backslash.
std::string ExecutablePath();
std::string ExecutableDirectory();

// Whole file contents as bytes; "" when the file cannot be read.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Names of the files and folders in `folder` (with or without its trailing
// backslash), sorted; "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& folder);

// A new empty folder under the temporary directory, named after `name` and
// the process, removed recursively on destruction.
class TempFolder {
  public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, with its trailing backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }
    // Copies `source` into the folder as `name`; returns the copy's path.
    std::string Copy(const std::string& source, const std::string& name) const;

  private:
    std::string path_;
};

// Removes a folder and everything in it.
void RemoveTree(const std::string& folder);

} // namespace testsupport
