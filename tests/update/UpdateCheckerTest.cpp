#include "update/UpdateChecker.h"

#include "Boxes.h"
#include "HostWindow.h"
#include "PageServer.h"
#include "UrlLog.h"

#include "ListingSamples.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

using namespace pageserver;
using namespace testsupport;
using namespace std::string_literals;

namespace {

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

const std::string kEntries = "This file available, open home site?";
const std::string kNoData = "No data available, open home site?";
const std::string kNotice = "Notice:";

std::string Listing(const std::string& section) {
    return "<html><head><title>Download</title></head><body>\r\n" + section +
           "\r\n</body>\r\n</html>\r\n";
}

void ExpectUpdateBox(const Box& box, const std::string& text, const std::string& caption,
                     const std::string& what) {
    EXPECT_EQ(box.text, text) << what;
    EXPECT_EQ(box.caption, caption) << what;
    EXPECT_EQ(box.owner, nullptr) << what;
    EXPECT_TRUE(box.hasOk && box.hasCancel) << what;
    EXPECT_EQ(box.icon, nullptr) << what;
}

TEST(UpdateChecker, ShowsTheEntriesOrTheNoDataQuestion) {
    struct Case {
        const char* what;
        std::string page, text, caption;
    };
    const Case cases[] = {
        {"two entries",
         Listing("File: zemit" + kEntryTail + "<br>File: zemit" + kEntryTail + "<br>"),
         "zemit" + kEntryTail + "\nzemit" + kEntryTail + "\n", kEntries},
        {"short last entry", Listing("File: zemit" + kEntryTail + "<br>File: zemit-2.zip"),
         "zemit" + kEntryTail + "\nzemit-2.zip\r\n\n", kEntries},
        {"section under 35 bytes", Listing("File: zemit-1.zip"), kNoData, kNotice},
        {"start marker in small letters", Listing("file: zemit" + kEntryTail), kNoData, kNotice},
        {"start marker without its space", Listing("File:zemit" + kEntryTail), kNoData, kNotice},
        {"key in capitals", Listing("File: ZEMIT" + kEntryTail), kNoData, kNotice},
        {"0xCC and 0x0C dropped",
         "\xCC" + Listing("File\xCC: zem\x0Cit" + kEntryTail.substr(0, 9) + "\xCC\x0C" +
                          kEntryTail.substr(9) + "<br>"),
         "zemit" + kEntryTail + "\n", kEntries},
        {"missing </body>", "<body>File: zemit" + kEntryTail + " zemit.exe123456",
         "zemit" + kEntryTail + "\nzemit.exe\n", kEntries},
        {"zero byte in an entry", Listing("File: zemit\0"s + kEntryTail.substr(1)),
         "zemit?" + kEntryTail.substr(1) + "\n", kEntries},
        {"no start marker", "<html><body>Service unavailable</body></html>", kNoData, kNotice},
        {"empty body", "", kNoData, kNotice},
    };
    const HostWindow owner;
    const std::string home = BaseUrl() + "/";
    for (const Case& c : cases) {
        const MessageBoxWatcher watcher({IDCANCEL});
        const std::string url = BodyUrl(c.page);
        update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
        ASSERT_EQ(watcher.boxes().size(), 1u) << c.what;
        ExpectUpdateBox(watcher.boxes()[0], c.text, c.caption, c.what);
    }
}

TEST(UpdateChecker, ListsEntriesOfAnErrorPageToo) {
    const HostWindow owner;
    const MessageBoxWatcher watcher({IDCANCEL});
    const std::string url = BodyUrl(Listing("File: zemit" + kEntryTail), 404);
    const std::string home = BaseUrl() + "/";
    update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
    ASSERT_EQ(watcher.boxes().size(), 1u);
    ExpectUpdateBox(watcher.boxes()[0], "zemit" + kEntryTail + "\n", kEntries, "404");
}

TEST(UpdateChecker, FailedFetchShowsItsErrorThenTheNoDataQuestion) {
    const HostWindow owner;
    const MessageBoxWatcher watcher({IDOK, IDCANCEL});
    const std::string url = ClosedUrl() + "/vypisdownload.php";
    const std::string home = BaseUrl() + "/";
    update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
    ASSERT_EQ(watcher.boxes().size(), 2u);
    const Box& error = watcher.boxes()[0];
    EXPECT_EQ(error.text, "Chyba InternetOpenUrl");
    EXPECT_EQ(error.caption, "Chyba");
    EXPECT_EQ(error.owner, owner.get());
    EXPECT_TRUE(error.hasOk && !error.hasCancel);
    EXPECT_EQ(error.icon, SystemIcon(IDI_HAND));
    ExpectUpdateBox(watcher.boxes()[1], kNoData, kNotice, "after the error");
}

// OK opens the home page, Cancel opens nothing; the same for both boxes.
TEST(UpdateChecker, OkOpensTheHomePageAndCancelDoesNot) {
    struct Case {
        const char* what;
        std::string page;
        int answer;
    };
    const Case cases[] = {
        {"entries, OK", Listing("File: zemit" + kEntryTail), IDOK},
        {"entries, Cancel", Listing("File: zemit" + kEntryTail), IDCANCEL},
        {"no data, OK", "", IDOK},
        {"no data, Cancel", "", IDCANCEL},
    };
    const HostWindow owner;
    int run = 0;
    for (const Case& c : cases) {
        const UrlLog log("update-" + std::to_string(++run));
        const std::string home = BaseUrl() + "/home-" + std::to_string(run) + "/";
        {
            const MessageBoxWatcher watcher({c.answer});
            const std::string url = BodyUrl(c.page);
            update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
            ASSERT_EQ(watcher.boxes().size(), 1u) << c.what;
        }
        if (c.answer == IDOK) {
            EXPECT_EQ(log.WaitFor(1), std::vector<std::string>{home}) << c.what;
            continue;
        }
        // A browser started by the check was started before this marker; once
        // every recorder has ended, the log holds whatever either one wrote.
        const std::string marker = BaseUrl() + "/marker-" + std::to_string(run);
        ShellExecuteA(owner.get(), "open", marker.c_str(), nullptr, nullptr, SW_SHOW);
        EXPECT_EQ(log.Settled(1), std::vector<std::string>{marker}) << c.what;
    }
}

} // namespace
