// Test helper: a fresh file for the URL recorder of this process's tests, and
// a bounded wait for the URLs it records.
#pragma once

#include <string>
#include <vector>

class UrlLog {
  public:
    // Points ZEMIT_URL_LOG (inherited by the recorder) at a new empty file.
    explicit UrlLog(const std::string& name);
    ~UrlLog();
    // Waits until at least `count` URLs are recorded or `seconds` pass;
    // returns what was recorded.
    std::vector<std::string> WaitFor(size_t count, double seconds = 20) const;
    // Waits for `count` URLs, then until no recorder process is running any
    // more: a recorder started before that point has written its URL by then.
    std::vector<std::string> Settled(size_t count, double seconds = 20) const;
    std::vector<std::string> Read() const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};
