// Input handed over in a heap block of exactly its size, so that AddressSanitizer
// stops a reader that looks one byte past the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ExactBytes {
  public:
    explicit ExactBytes(const std::string& bytes) : bytes_(bytes.begin(), bytes.end()) {}
    std::string_view View() const { return {bytes_.data(), bytes_.size()}; }

  private:
    std::vector<char> bytes_;
};
