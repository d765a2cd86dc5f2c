// The socket FTP login against the scripted server, run in a child process
// (it ends its process on failure): exact output bytes and exit status.
#include "Files.h"
#include "Process.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace std::string_literals;

namespace {

struct HostRun {
    std::string output;
    DWORD status = 0;
};

// Runs the login host with `arguments` and gathers its output.
HostRun RunHost(const std::string& arguments) {
    testsupport::ChildProcess host("\"" + testsupport::ExecutableDirectory() +
                                   "ftp_login_host.exe\" " + arguments);
    const DWORD status = host.WaitForExit(30);
    EXPECT_NE(status, static_cast<DWORD>(STILL_ACTIVE)) << arguments;
    return {host.Output(), status};
}

std::string Port(const char* scenario) {
    const char* port = std::getenv(("ZEMIT_TEST_LOGIN_"s + scenario).c_str());
    return port == nullptr ? std::string() : port;
}

const DWORD kEnded = 0xFFFFFFFF; // exit(-1)

TEST(FtpLogin, PrintsEachStepAndEndsAsTheServerAnswers) {
    struct Case {
        const char* scenario;
        std::string after; // what follows the "Trying" line
        DWORD status;
    };
    const std::string banner = "[+] Get FTP Server banner......OK!\n"
                               "<==\r\n220 Zemit FTP ready\r\n<==\r\n";
    const std::string user = "[+] Send USER......OK!\r\n";
    const std::string pass = "[+] Send PASS......OK!\r\n";
    const std::string loggedIn = "[+] User zemit logged in.\r\n";
    const Case cases[] = {
        {"OK",
         banner + user + "<==\r\n331 Password required\r\n<==\r\n" + pass +
             "<==\r\n230 Logged in\r\n<==\r\n" + loggedIn,
         0},
        {"USER530",
         banner + user + "<==\r\n530 Not logged in.\r\n<==\r\n" +
             "[-] Server told:530 Not logged in.\r\n\n",
         kEnded},
        {"PASS530",
         banner + user + "<==\r\n331 Password required\r\n<==\r\n" + pass +
             "<==\r\n530 Login incorrect.\r\n<==\r\n" +
             "[-] Server told:530 Login incorrect.\r\n\n",
         kEnded},
        {"TEMPORARY421",
         banner + user + "<==\r\n421 Service not available\r\n<==\r\n" + pass +
             "<==\r\n230 Logged in\r\n<==\r\n" + loggedIn,
         0},
        {"LETTER", banner + user + "<==\r\nHello\r\n<==\r\n" + "[-] Server said:Hello\r\n\n",
         kEnded},
        {"SPACE",
         banner + user + "<==\r\n 230 Logged in\r\n<==\r\n" +
             "[-] Server said: 230 Logged in\r\n\n",
         kEnded},
        {"LONGGREETING",
         "[+] Get FTP Server banner......OK!\n<==\r\n220-" + std::string(2043, 'x') + "<==\r\n" +
             user + "<==\r\n331 Rest of the greeting\r\n<==\r\n" + pass +
             "<==\r\n230 Logged in\r\n<==\r\n" + loggedIn,
         0},
        {"PIECES",
         "[+] Get FTP Server banner......OK!\n<==\r\n220-Vitejte\r\n<==\r\n" + user +
             "<==\r\n220 Ready\r\n<==\r\n" + pass + "<==\r\n230 Logged in\r\n<==\r\n" + loggedIn,
         0},
        {"DROP", banner + user + "[-] Recv data error.\n", kEnded},
    };
    for (const Case& c : cases) {
        const std::string port = Port(c.scenario);
        ASSERT_FALSE(port.empty()) << "run through with-server.sh ftp_script_server.py";
        const HostRun run = RunHost("127.0.0.1 " + port + " zemit \"tajne heslo\"");
        EXPECT_EQ(run.output, "[+] Trying 127.0.0.1:" + port + "......OK!\r\n" + c.after)
            << c.scenario;
        EXPECT_EQ(run.status, c.status) << c.scenario;
    }
}

TEST(FtpLogin, SocketAndConnectionFailuresAreLeftToTheHost) {
    const std::string closed = Port("CLOSED");
    ASSERT_FALSE(closed.empty());
    // An empty label makes the name invalid before any resolver is asked.
    const HostRun unknown = RunHost("no..such..host 21 zemit heslo");
    EXPECT_EQ(unknown.output, "[-] ERROR: gethostbyname(no..such..host) error\n");
    EXPECT_EQ(unknown.status, 3u);
    const HostRun refused = RunHost("127.0.0.1 " + closed + " zemit heslo");
    EXPECT_EQ(refused.output, "[+] Trying 127.0.0.1:" + closed + "......FAILED!\r\n");
    EXPECT_EQ(refused.status, 3u);
    // Without Winsock started no socket can be made.
    const HostRun noSocket = RunHost("- 21 zemit heslo");
    EXPECT_EQ(noSocket.output, "[-] Create socket error.\r\n");
    EXPECT_EQ(noSocket.status, 2u);
}

TEST(FtpLogin, CommandsThatCannotBeSentWholeAreRefusedNotSent) {
    const std::string greeting = "......OK!\r\n[+] Get FTP Server banner......OK!\n"
                                 "<==\r\n220 Zemit FTP ready\r\n<==\r\n";
    const struct {
        const char* scenario;
        std::string credentials, tail;
    } cases[] = {
        {"USER530", "*204800 heslo", "[+] Send USER......FAILED!\r\n[-] Command too long.\r\n"},
        {"OK", "zemit heslo\\r\\nDELE", // a second command smuggled into the password
         "[+] Send USER......OK!\r\n<==\r\n331 Password required\r\n<==\r\n"
         "[+] Send PASS......FAILED!\r\n[-] Line break in command.\r\n"},
    };
    for (const auto& c : cases) {
        const HostRun run = RunHost("127.0.0.1 " + Port(c.scenario) + " " + c.credentials);
        EXPECT_EQ(run.output, "[+] Trying 127.0.0.1:" + Port(c.scenario) + greeting + c.tail);
        EXPECT_EQ(run.status, kEnded) << c.credentials;
    }
}

} // namespace
