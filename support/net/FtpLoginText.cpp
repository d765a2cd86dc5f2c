#include "support/net/FtpLoginText.h"

#include <cstring>

namespace support::ftplog {

const char* const kOk = "OK!\r\n";
const char* const kFailed = "FAILED!\r\n";
const char* const kReceiveOk = "OK!\n";
const char* const kReceiveFailed = "FAILED!\n";
const char* const kReceiveError = "[-] Recv data error.\n";
const char* const kSocketError = "[-] Create socket error.\r\n";
const char* const kCommandTooLong = "[-] Command too long.\r\n";
const char* const kLineBreakInCommand = "[-] Line break in command.\r\n";

namespace {

std::string Text(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

} // namespace

std::string StepLabel(const char* label) {
    return "[+] " + Text(label) + "......";
}

std::string TryingLabel(const char* host, int port) {
    return "[+] Trying " + Text(host) + ":" + std::to_string(port) + "......";
}

std::string HostError(const char* host) {
    return "[-] ERROR: gethostbyname(" + Text(host) + ") error\n";
}

std::string EchoedReply(const char* reply) {
    return "<==\r\n" + Text(reply) + "<==\r\n";
}

std::string LoggedIn(const char* user) {
    return "[+] User " + Text(user) + " logged in.\r\n";
}

ReplyVerdict JudgeReply(const char* reply) {
    if (reply == nullptr) {
        return ReplyVerdict::missing;
    }
    if (reply[0] == '5') {
        return ReplyVerdict::refused;
    }
    if (reply[0] >= '0' && reply[0] <= '9') {
        return ReplyVerdict::accepted;
    }
    return ReplyVerdict::garbled;
}

std::string VerdictLine(ReplyVerdict verdict, const char* reply) {
    switch (verdict) {
    case ReplyVerdict::refused:
        return "[-] Server told:" + Text(reply) + "\n";
    case ReplyVerdict::garbled:
        return "[-] Server said:" + Text(reply) + "\n";
    default:
        return std::string();
    }
}

int FormatCommand(char* buffer, size_t size, const char* verb, const char* argument) {
    const size_t verbLength = std::strlen(verb);
    const size_t argumentLength = argument == nullptr ? 0 : std::strlen(argument);
    // verb, space, argument, CR LF and the terminating zero
    const bool lineBreak = argumentLength > 0 && std::strpbrk(argument, "\r\n") != nullptr;
    if (lineBreak || size == 0 || verbLength > size || argumentLength > size ||
        verbLength + argumentLength + 4 > size) {
        if (size > 0) {
            buffer[0] = '\0';
        }
        return lineBreak ? kLineBreak : kTooLong;
    }
    char* out = buffer;
    std::memcpy(out, verb, verbLength);
    out += verbLength;
    *out++ = ' ';
    if (argumentLength > 0) {
        std::memcpy(out, argument, argumentLength);
        out += argumentLength;
    }
    *out++ = '\r';
    *out++ = '\n';
    *out = '\0';
    return static_cast<int>(out - buffer);
}

} // namespace support::ftplog
