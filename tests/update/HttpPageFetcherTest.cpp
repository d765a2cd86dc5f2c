#include "update/HttpPageFetcher.h"

#include "BoxChecks.h"
#include "HostWindow.h"
#include "PageServer.h"

#include <gtest/gtest.h>

#include <string>

using namespace pageserver;
using namespace testsupport;
using namespace std::string_literals;

namespace {

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

TEST(HttpPageFetcher, ReturnsTheBodyByteForByteWithoutABox) {
    struct Case {
        const char* what;
        std::string url, body;
    };
    const std::string html = "<html><body>Ahoj, světe</body></html>\n";
    const Case cases[] = {
        {"body under 250 bytes", BodyUrl(html), html},
        {"one byte", BodyUrl("x"), "x"},
        {"249 bytes", BaseUrl() + "/pattern/249", Pattern(249)},
        {"exactly 250 bytes", BaseUrl() + "/pattern/250", Pattern(250)},
        {"251 bytes", BaseUrl() + "/pattern/251", Pattern(251)},
        {"exact multiple of 250", BaseUrl() + "/pattern/1000", Pattern(1000)},
        {"short last chunk", BaseUrl() + "/pattern/610", Pattern(610)},
        {"large page", BaseUrl() + "/pattern/300000", Pattern(300000)},
        {"zero bytes kept", BodyUrl("\0a\0\0b\0"s), "\0a\0\0b\0"s},
        {"empty body", BodyUrl(""), ""},
        {"404 with a body", BodyUrl("<html>404 Not Found</html>", 404),
         "<html>404 Not Found</html>"},
    };
    const HostWindow owner;
    for (const Case& c : cases) {
        const MessageBoxWatcher watcher;
        const std::string got = update::HttpPageFetcher(owner.get(), c.url.c_str());
        EXPECT_EQ(got.size(), c.body.size()) << c.what;
        EXPECT_TRUE(got == c.body) << c.what;
        ExpectNoBox(watcher.boxes(), c.what);
    }
}

TEST(HttpPageFetcher, SendsItsAgentAsUserAgent) {
    const HostWindow owner;
    const std::string url = BaseUrl() + "/agent";
    // The server sends back the User-Agent bytes it received: code page 1250.
    EXPECT_EQ(update::HttpPageFetcher(owner.get(), url.c_str()), "Sta\x9e"
                                                                 "en\xed HTTP");
}

TEST(HttpPageFetcher, UnopenableUrlShowsOneErrorBoxOwnedByTheCaller) {
    const std::string closed = ClosedUrl() + "/vypisdownload.php";
    const char* const urls[] = {closed.c_str(), "no such scheme", nullptr};
    const HostWindow owner;
    for (const char* url : urls) {
        const std::string what = url == nullptr ? "null URL" : url;
        const MessageBoxWatcher watcher;
        EXPECT_EQ(update::HttpPageFetcher(owner.get(), url), "") << what;
        ExpectOneBox(watcher.boxes(), "Chyba InternetOpenUrl", "Chyba", owner.get(), IDI_HAND,
                     what);
    }
}

} // namespace
