// Test helper: addresses on the loopback page server (servers/page_server.py,
// started beside a Windows test by servers/with-server.sh), and the bodies it
// is asked to serve.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace pageserver {

inline std::string Port(const char* variable) {
    const char* port = std::getenv(variable);
    return port == nullptr ? std::string() : std::string(port);
}

// "http://127.0.0.1:<port>", the server's or that of a port with no listener.
inline std::string BaseUrl() {
    return "http://127.0.0.1:" + Port("ZEMIT_TEST_HTTP_PORT");
}
inline std::string ClosedUrl() {
    return "http://127.0.0.1:" + Port("ZEMIT_TEST_CLOSED_PORT");
}

inline std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// The URL at which the server answers 200 (or `status`) with `body`.
inline std::string BodyUrl(const std::string& body, int status = 200) {
    return BaseUrl() + (status == 404 ? "/404/" : "/hex/") + Hex(body);
}

// What the server's /pattern/<n> sends: byte i is i % 251, so a repeated or
// lost 250-byte chunk changes the text.
inline std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    return bytes;
}

// Fails the test run early when the wrapper did not provide a server.
class Environment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_FALSE(Port("ZEMIT_TEST_HTTP_PORT").empty()) << "run beside page_server.py";
        ASSERT_FALSE(Port("ZEMIT_TEST_CLOSED_PORT").empty()) << "run beside page_server.py";
    }
};

} // namespace pageserver
