#include "update/UpdateChecker.h"

#include "BoxChecks.h"
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

const char* const kEntries = "This file available, open home site?";
const std::string kNoData = "No data available, open home site?";
const char* const kNotice = "Notice:";

std::string Listing(const std::string& section) {
    return "<html><head><title>Download</title></head><body>\r\n" + section +
           "\r\n</body>\r\n</html>\r\n";
}

TEST(UpdateChecker, ShowsTheEntriesOrTheNoDataQuestion) {
    struct Case {
        const char* what;
        std::string page, text;
        const char* caption;
        int status = 200;
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
        {"entries of an error page", Listing("File: zemit" + kEntryTail),
         "zemit" + kEntryTail + "\n", kEntries, 404},
    };
    const HostWindow owner;
    const std::string home = BaseUrl() + "/";
    for (const Case& c : cases) {
        const MessageBoxWatcher watcher({IDCANCEL});
        const std::string url = BodyUrl(c.page, c.status);
        update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
        // The closing question: no owner, no icon, OK and Cancel.
        ExpectOneBox(watcher.boxes(), c.text, c.caption, nullptr, nullptr, c.what,
                     Buttons::OkCancel);
    }
}

TEST(UpdateChecker, FailedFetchShowsItsErrorThenTheNoDataQuestion) {
    const HostWindow owner;
    const MessageBoxWatcher watcher({IDOK, IDCANCEL});
    const std::string url = ClosedUrl() + "/vypisdownload.php";
    const std::string home = BaseUrl() + "/";
    update::UpdateChecker(owner.get(), "zemit", url.c_str(), home.c_str());
    ASSERT_EQ(watcher.boxes().size(), 2u);
    ExpectBox(watcher.boxes()[0], "Chyba InternetOpenUrl", "Chyba", owner.get(), IDI_HAND);
    ExpectBox(watcher.boxes()[1], kNoData, kNotice, nullptr, nullptr, "after the error",
              Buttons::OkCancel);
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
