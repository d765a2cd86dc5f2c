// Test host of the socket FTP login, run as a child process because the login
// ends the process on failure. Writes the login's output unchanged (binary
// standard output) and exits with the login's status, or with:
//   0 logged in, 2 no socket, 3 not connected, 4 no Winsock.
// Usage: ftp_login_host <host> <port> <user> <password>
//        (a user of "*<n>" stands for n letters 'u'; "\n" and "\r" in a user
//        or password stand for LF and CR; a host of "-" skips the start of
//        Winsock, so that no socket can be made)
// Whichever way the process ends, a command line left in the send buffer
// (a password, say) turns the exit status into 5.
#include "support/net/Net.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::string Unescaped(std::string text) {
    for (const auto& [escape, byte] : {std::pair<const char*, char>{"\\n", '\n'}, {"\\r", '\r'}}) {
        for (size_t at = text.find(escape); at != std::string::npos; at = text.find(escape, at)) {
            text.replace(at, 2, 1, byte);
        }
    }
    return text;
}

void CheckSendBufferWiped() {
    for (char byte : support::SendBuffer) {
        if (byte != '\0') {
            std::fflush(stdout);
            _exit(5);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: ftp_login_host <host> <port> <user> <password>\n");
        return 1;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    std::atexit(CheckSendBufferWiped);
    std::string user = Unescaped(argv[3]);
    const std::string password = Unescaped(argv[4]);
    if (user.size() > 1 && user[0] == '*') {
        user.assign(std::strtoul(user.c_str() + 1, nullptr, 10), 'u');
    }
    WSADATA data;
    if (std::strcmp(argv[1], "-") != 0 && WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return 4;
    }
    const SOCKET socket = support::CreateTcpSocket();
    if (socket == 0) {
        return 2;
    }
    if (support::ConnectTcp(socket, argv[1], std::atoi(argv[2])) != 1) {
        return 3;
    }
    support::FtpLogin(socket, user.c_str(), password.c_str());
    closesocket(socket);
    WSACleanup();
    return 0;
}
