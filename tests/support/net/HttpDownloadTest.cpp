// HTTP downloads into files against the loopback page server, with drive D:
// linked to a folder of the test.
#include "support/net/Net.h"

#include "Files.h"
#include "HostWindow.h"
#include "BoxChecks.h"
#include "PageServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace pageserver;
using namespace testsupport;
using namespace std::string_literals;

namespace {

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

constexpr int kUrlId = 3100;
const char* const kPageFile = "stazena_stranka.txt";
const char* const kPictureFile = "d:\\stazeno.jpg";

// Runs each test in a folder of its own, which the page file lands in.
class HttpDownload : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(std::getenv("ZEMIT_TEST_DRIVE_D") == nullptr) << "run through with-drive-d.sh";
        GetCurrentDirectoryA(MAX_PATH, previous_);
        ASSERT_TRUE(SetCurrentDirectoryA(folder_.path().c_str()));
        field_ = CreateChild(owner_.get(), "EDIT", "", ES_AUTOHSCROLL, 0, 0, 200, 20, kUrlId);
        ASSERT_NE(field_, nullptr);
        SendMessageA(field_, EM_SETLIMITTEXT, 0, 0);
        DeleteFileA(kPictureFile);
    }
    void TearDown() override {
        SetCurrentDirectoryA(previous_);
        DeleteFileA(kPictureFile);
    }
    bool FromField(const std::string& url) {
        SetWindowTextA(field_, url.c_str());
        return support::DownloadPageFromField(owner_.get(), kUrlId);
    }
    void ExpectDone(const MessageBoxWatcher& watcher, const std::string& what) {
        ExpectOneBox(watcher.boxes(), "Stránka stažena", "Hotovo", owner_.get(), IDI_ASTERISK,
                     what);
    }

    char previous_[MAX_PATH] = {};
    TempFolder folder_{"download"};
    HostWindow owner_;
    HWND field_ = nullptr;
};

TEST_F(HttpDownload, PageIsSavedByteForByteAndReplacesAnEarlierFile) {
    struct Case {
        const char* what;
        std::string url, body;
    };
    const Case cases[] = {
        {"empty body", BodyUrl(""), ""},
        {"404 body", BodyUrl("<html>404 Nenalezeno</html>", 404), "<html>404 Nenalezeno</html>"},
        {"zero bytes and CR LF", BodyUrl("a\0\r\n\0b"s), "a\0\r\n\0b"s},
        {"short last chunk", BaseUrl() + "/pattern/611", Pattern(611)},
        {"the agent as the server saw it", BaseUrl() + "/agent", "Stažení HTTP"},
    };
    for (const Case& c : cases) {
        // Longer than any body here: a file appended to or not truncated shows.
        ASSERT_TRUE(WriteFileBytes(kPageFile, std::string(5000, '#')));
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(FromField(c.url)) << c.what;
        EXPECT_TRUE(ReadFileBytes(kPageFile) == c.body) << c.what;
        ExpectDone(watcher, c.what);
    }
    const std::string other = folder_ / "jina stránka.html";
    const MessageBoxWatcher watcher;
    EXPECT_TRUE(support::DownloadPageToFile(owner_.get(), (BaseUrl() + "/pattern/250").c_str(),
                                            other.c_str()));
    EXPECT_TRUE(ReadFileBytes(other) == Pattern(250));
    ExpectDone(watcher, "to a named file");
}

TEST_F(HttpDownload, UrlFieldIsCutAt259Characters) {
    // The first 259 characters ask for 500 bytes; the whole text would ask for
    // 5 million (leading zeros are still a number).
    std::string url = BaseUrl() + "/pattern/";
    url += std::string(259 - url.size() - 3, '0') + "500";
    ASSERT_EQ(url.size(), 259u);
    const MessageBoxWatcher watcher;
    EXPECT_TRUE(FromField(url + "0000"));
    EXPECT_EQ(ReadFileBytes(kPageFile).size(), 500u);
    ExpectDone(watcher, "long field");
}

TEST_F(HttpDownload, FailuresShowTheirBoxAndLeaveNoFile) {
    struct Case {
        const char* what;
        std::string url, path;
        const char* text;
    };
    const Case cases[] = {
        {"closed port", ClosedUrl() + "/x", folder_ / "a.txt", "Chyba InternetOpenUrl"},
        {"no such scheme", "no such scheme", folder_ / "b.txt", "Chyba InternetOpenUrl"},
        {"no folder for the file", BodyUrl("page"), folder_ / "missing\\c.txt",
         "Soubor nelze vytvořit"},
    };
    for (const Case& c : cases) {
        const MessageBoxWatcher watcher;
        EXPECT_FALSE(support::DownloadPageToFile(owner_.get(), c.url.c_str(), c.path.c_str()))
            << c.what;
        EXPECT_FALSE(FileExists(c.path)) << c.what;
        ExpectOneBox(watcher.boxes(), c.text, "Chyba", owner_.get(), IDI_HAND, c.what);
    }
    const MessageBoxWatcher watcher;
    EXPECT_FALSE(FromField(ClosedUrl() + "/x"));
    EXPECT_FALSE(FileExists(kPageFile));
    ExpectOneBox(watcher.boxes(), "Chyba InternetOpenUrl", "Chyba", owner_.get(), IDI_HAND,
                 "field");
}

TEST_F(HttpDownload, FailedWriteIsReported) {
    const MessageBoxWatcher watcher;
    EXPECT_FALSE(support::DownloadPageToFile(owner_.get(), (BaseUrl() + "/pattern/611").c_str(),
                                             "d:\\full")); // every write fails there
    ExpectOneBox(watcher.boxes(), "Soubor nelze zapsat", "Chyba", owner_.get(), IDI_HAND);
}

TEST_F(HttpDownload, ReadFailingPartWayKeepsWhatCameAndIsReported) {
    const MessageBoxWatcher watcher;
    const std::string path = folder_ / "cut.txt";
    EXPECT_FALSE(support::DownloadPageToFile(owner_.get(), (BaseUrl() + "/cut/5000/1000").c_str(),
                                             path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), Pattern(1000));
    ExpectOneBox(watcher.boxes(), "Chyba InternetReadFile", "Chyba", owner_.get(), IDI_HAND);
}

TEST_F(HttpDownload, PictureOfTheSiteIsSavedOnDriveDOrReported) {
    // This test is built for a site on the loopback folder server.
    const char* site = std::getenv("ZEMIT_TEST_SITE_FOLDER");
    ASSERT_NE(site, nullptr) << "run through with-server.sh folder_server.py";
    const std::string picture = "\xff\xd8\xff\xe0\0\x10JFIF\0\r\n\xff\xd9"s;
    ASSERT_TRUE(CreateDirectoryA((site + "\\img"s).c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(site + "\\img\\email.jpg"s, picture));
    ASSERT_TRUE(WriteFileBytes(kPictureFile, std::string(1000, '#')));
    {
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(support::DownloadPicture(owner_.get()));
        EXPECT_TRUE(ReadFileBytes(kPictureFile) == picture);
        ExpectNoBox(watcher.boxes(), "picture");
        // Wine's urlmon sends the site's "//" after the host as one slash.
        EXPECT_EQ(ReadFileBytes(site + "\\.requests"s), "/img//email.jpg\n");
    }
    DeleteFileA(kPictureFile);
    const MessageBoxWatcher watcher;
    EXPECT_FALSE(support::DownloadPictureFrom(owner_.get(), (ClosedUrl() + "/img").c_str()));
    EXPECT_FALSE(FileExists(kPictureFile));
    ExpectOneBox(watcher.boxes(), "Soubor nelze stáhnout", "Chyba", owner_.get(), IDI_HAND,
                 "no picture");
}

} // namespace
