// Window-free half of the socket FTP login: the exact bytes of every line it
// writes to the standard output, the check of a server reply, and the
// formatting of a command line into a fixed buffer.
#pragma once

#include <cstddef>
#include <string>

namespace support::ftplog {

// Ends of a step's line, after its "[+] %s......" label.
extern const char* const kOk;                 // "OK!\r\n"
extern const char* const kFailed;             // "FAILED!\r\n"
extern const char* const kReceiveOk;          // "OK!\n"
extern const char* const kReceiveFailed;      // "FAILED!\n"
extern const char* const kReceiveError;       // "[-] Recv data error.\n"
extern const char* const kSocketError;        // "[-] Create socket error.\r\n"
extern const char* const kCommandTooLong;     // "[-] Command too long.\r\n"
extern const char* const kLineBreakInCommand; // "[-] Line break in command.\r\n"

std::string StepLabel(const char* label);            // "[+] %s......"
std::string TryingLabel(const char* host, int port); // "[+] Trying %s:%d......"
std::string HostError(const char* host);             // "[-] ERROR: gethostbyname(%s) error\n"
std::string EchoedReply(const char* reply);          // "<==\r\n%s<==\r\n"
std::string LoggedIn(const char* user);              // "[+] User %s logged in.\r\n"

// What the login makes of a reply, by its first byte alone.
enum class ReplyVerdict {
    accepted, // a digit other than '5': code classes 1 to 4, 4 included
    refused,  // '5': a permanent failure
    garbled,  // anything else, a letter or a space for instance
    missing,  // no reply text at all
};
ReplyVerdict JudgeReply(const char* reply);
// The line a refused or garbled reply prints before the process ends; "" for
// the other verdicts.
std::string VerdictLine(ReplyVerdict verdict, const char* reply);

// Results of FormatCommand for a command that must not be sent.
constexpr int kTooLong = -1;   // the line does not fit the buffer
constexpr int kLineBreak = -2; // the argument holds CR or LF, which would end the
                               // command early and start another one

// Writes "<verb> <argument>\r\n" and its terminating zero into `buffer` of
// `size` bytes and returns the line's length; returns kTooLong or kLineBreak
// and leaves the buffer an empty text when the line does not fit or the
// argument holds a line break, so that nothing is written past the buffer and
// no cut or smuggled command is ever sent.
int FormatCommand(char* buffer, size_t size, const char* verb, const char* argument);

} // namespace support::ftplog
