// The program's own exception: a message with static lifetime and the last
// system error at the moment it was made. Thrown and caught by value.
#pragma once

#include <windows.h>

namespace app {

class WinException {
  public:
    explicit WinException(const char* message) : error_(GetLastError()), message_(message) {}
    const char* Message() const { return message_; }
    DWORD Error() const { return error_; }

  private:
    DWORD error_;
    const char* message_;
};

// Allocation-failure handler: throws WinException("Out of memory").
void OutOfMemory();

// The boxes that report an exception to the user, captioned "Exception":
// the exception's message, or "Unknown" for any other exception.
void ReportException(const WinException& e);
void ReportUnknownException();

} // namespace app
