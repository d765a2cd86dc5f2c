#include "support/net/FtpLoginText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace support::ftplog;

namespace {

TEST(FtpLoginText, LinesCarryTheirArgumentsInTheirExactBytes) {
    struct Case {
        std::string got, want;
    };
    const Case cases[] = {
        {StepLabel("Send USER"), "[+] Send USER......"},
        {TryingLabel("127.0.0.1", 21), "[+] Trying 127.0.0.1:21......"},
        {TryingLabel("ftp.example", 65535), "[+] Trying ftp.example:65535......"},
        {HostError("no..such"), "[-] ERROR: gethostbyname(no..such) error\n"},
        {EchoedReply("220 Ahoj\r\n"), "<==\r\n220 Ahoj\r\n<==\r\n"},
        {EchoedReply(""), "<==\r\n<==\r\n"},
        {LoggedIn("zemit"), "[+] User zemit logged in.\r\n"},
        {LoggedIn("uživatel"), "[+] User uživatel logged in.\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(FtpLoginText, ReplyIsJudgedByItsFirstByteAlone) {
    struct Case {
        const char* reply;
        ReplyVerdict verdict;
        std::string line;
    };
    const Case cases[] = {
        {"150 Opening\r\n", ReplyVerdict::accepted, ""},
        {"230 Logged in\r\n", ReplyVerdict::accepted, ""},
        {"331 Password\r\n", ReplyVerdict::accepted, ""},
        {"421 Busy\r\n", ReplyVerdict::accepted, ""},
        {"0", ReplyVerdict::accepted, ""},
        {"9x", ReplyVerdict::accepted, ""},
        {"530 Not logged in.\r\n", ReplyVerdict::refused,
         "[-] Server told:530 Not logged in.\r\n\n"},
        {"5", ReplyVerdict::refused, "[-] Server told:5\n"},
        {"Hello\r\n", ReplyVerdict::garbled, "[-] Server said:Hello\r\n\n"},
        {" 230 ok\r\n", ReplyVerdict::garbled, "[-] Server said: 230 ok\r\n\n"},
        {"", ReplyVerdict::garbled, "[-] Server said:\n"},
        {"\xff", ReplyVerdict::garbled, "[-] Server said:\xff\n"},
        {nullptr, ReplyVerdict::missing, ""},
    };
    for (const Case& c : cases) {
        const std::string what = c.reply == nullptr ? "null" : c.reply;
        EXPECT_EQ(JudgeReply(c.reply), c.verdict) << what;
        EXPECT_EQ(VerdictLine(JudgeReply(c.reply), c.reply), c.line) << what;
    }
}

TEST(FtpLoginText, CommandFitsItsBufferOrIsRefusedWhole) {
    struct Case {
        size_t size;
        const char* argument;
        int length; // below zero: refused
        std::string text;
    };
    const Case cases[] = {
        {64, "zemit", 12, "USER zemit\r\n"},
        {64, "", 7, "USER \r\n"},
        {13, "zemit", 12, "USER zemit\r\n"}, // exactly room for the zero
        {12, "zemit", -1, ""},               // no room for the zero
        {8, "zemit", -1, ""},
        {1, "zemit", -1, ""},
        {64, "zemit\r\nDELE x", kLineBreak, ""}, // a second command smuggled in
        {64, "a\nb", kLineBreak, ""},
        {64, "\r", kLineBreak, ""},
    };
    for (const Case& c : cases) {
        // Guard bytes behind the buffer show any write past it.
        std::string buffer(c.size + 8, '#');
        EXPECT_EQ(FormatCommand(&buffer[0], c.size, "USER", c.argument), c.length) << c.size;
        EXPECT_EQ(std::string(buffer.c_str()), c.text) << c.size;
        EXPECT_EQ(buffer.substr(c.size), std::string(8, '#')) << c.size;
    }
    // An argument far longer than the buffer, as a hostile caller might pass.
    const std::string huge(300000, 'u');
    std::string buffer(204800 + 8, '#');
    EXPECT_EQ(FormatCommand(&buffer[0], 204800, "USER", huge.c_str()), -1);
    EXPECT_EQ(buffer.substr(204800), std::string(8, '#'));
}

} // namespace
