// FTP login over plain Winsock calls, reporting each step on the standard
// output and ending the process with status -1 at the first failure.
#include "support/net/FtpLoginText.h"
#include "support/net/Net.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace support {

char SendBuffer[kCommandBufferSize];
char ReplyBuffer[kCommandBufferSize];
int EchoReplies = 1;
const char* const kPassiveCommand = "PASV\r\n";

namespace {

constexpr int kGreetingSize = 2048;

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// A step's label shows before the network call that may block.
void PrintLabel(const char* label) {
    Print(ftplog::StepLabel(label));
    std::fflush(stdout);
}

// No command line (a password among them) outlives its sending.
void WipeSendBuffer() {
    SecureZeroMemory(SendBuffer, sizeof SendBuffer);
}

[[noreturn]] void Fail() {
    WipeSendBuffer();
    std::exit(-1);
}

void Send(const char* label, SOCKET socket, const char* verb, const char* argument) {
    std::memset(SendBuffer, 0, sizeof SendBuffer);
    const int length = ftplog::FormatCommand(SendBuffer, sizeof SendBuffer, verb, argument);
    if (length < 0) {
        PrintLabel(label);
        Print(ftplog::kFailed);
        Print(length == ftplog::kLineBreak ? ftplog::kLineBreakInCommand : ftplog::kCommandTooLong);
        Fail();
    }
    SendCommand(label, socket, SendBuffer, length);
    WipeSendBuffer();
}

} // namespace

SOCKET CreateTcpSocket() {
    const SOCKET created = ::socket(AF_INET, SOCK_STREAM, 0);
    if (created == INVALID_SOCKET) {
        Print(ftplog::kSocketError);
        return 0;
    }
    return created;
}

int ConnectTcp(SOCKET socket, const char* host, int port) {
    const hostent* entry = gethostbyname(host);
    if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_addr_list[0] == nullptr) {
        Print(ftplog::HostError(host));
        return -1;
    }
    sockaddr_in cliaddr;
    std::memset(&cliaddr, 0, sizeof cliaddr);
    cliaddr.sin_family = AF_INET;
    cliaddr.sin_port = htons(static_cast<u_short>(port));
    std::memcpy(&cliaddr.sin_addr, entry->h_addr_list[0], sizeof cliaddr.sin_addr);
    Print(ftplog::TryingLabel(host, port));
    std::fflush(stdout);
    if (connect(socket, reinterpret_cast<const sockaddr*>(&cliaddr), sizeof cliaddr) < 0) {
        Print(ftplog::kFailed);
        closesocket(socket);
        return -1;
    }
    Print(ftplog::kOk);
    return 1;
}

int SendCommand(const char* label, SOCKET socket, const char* data, int length) {
    if (label != nullptr) {
        PrintLabel(label);
    }
    const int sent = send(socket, data, length, 0);
    if (sent <= 0) {
        Print(ftplog::kFailed);
        Fail();
    }
    Print(ftplog::kOk);
    return sent;
}

int ReceiveReply(const char* label, SOCKET socket, char* buffer, int size) {
    if (size > 0) {
        std::memset(buffer, 0, static_cast<size_t>(size));
    }
    if (label != nullptr) {
        PrintLabel(label);
    }
    // A buffer without room for one byte and the zero cannot take a reply.
    const int received = size < 2 ? 0 : recv(socket, buffer, size - 1, 0);
    if (received <= 0) {
        if (label != nullptr) {
            Print(ftplog::kReceiveFailed);
        }
        Print(ftplog::kReceiveError);
        Fail();
    }
    if (label != nullptr) {
        Print(ftplog::kReceiveOk);
    }
    buffer[size - 1] = '\0';
    if (EchoReplies == 1) {
        Print(ftplog::EchoedReply(buffer));
    }
    return received;
}

void CheckReply(const char* reply) {
    const ftplog::ReplyVerdict verdict = ftplog::JudgeReply(reply);
    if (verdict == ftplog::ReplyVerdict::accepted) {
        return;
    }
    Print(ftplog::VerdictLine(verdict, reply));
    Fail();
}

void FtpLogin(SOCKET socket, const char* user, const char* password) {
    EchoReplies = 1;
    ReceiveReply("Get FTP Server banner", socket, ReplyBuffer, kGreetingSize);
    Send("Send USER", socket, "USER", user);
    ReceiveReply(nullptr, socket, ReplyBuffer, sizeof ReplyBuffer);
    CheckReply(ReplyBuffer);
    Send("Send PASS", socket, "PASS", password);
    ReceiveReply(nullptr, socket, ReplyBuffer, sizeof ReplyBuffer);
    CheckReply(ReplyBuffer);
    Print(ftplog::LoggedIn(user));
}

} // namespace support
