#include "update/ListingPage.h"
#include "base/BodyPump.h"
#include "update/UpdateDecision.h"

#include "ListingSamples.h"
#include "ScriptedReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace update;
using base::GatherBody;
using base::GatheredBody;
using testsupport::ScriptedRead;
using namespace std::string_literals;

namespace {

TEST(FindTextEnd, FindsTheEndOfTheFirstOccurrenceAtOrAfterStart) {
    struct Case {
        std::string text, needle;
        int start, expected;
    };
    const Case cases[] = {
        {"abc", "abc", 0, 3},
        {"xxabc", "abc", 0, 5},
        {"abcabc", "abc", 1, 6},
        {"abcabc", "abc", 3, 6},
        {"abcabc", "abc", 4, -1},
        {"abc", "abc", 3, -1},  // start at the end
        {"abc", "abc", 99, -1}, // start beyond the end
        {"", "a", 0, -1},       // empty text
        {"abc", "abc", -5, 3},  // a negative start searches from 0
        {"ab", "abc", 0, -1},   // the window would run past the end
        {"xab", "abc", 0, -1},  // partial match at the end
        {"aab", "ab", 0, 3},    // occurrence inside a failed candidate's window
        {"</p</body>", "</body>", 0, 10},
        {"<</body>", "</body>", 0, 8},
        {"File: ", "file: ", 0, -1}, // case-sensitive
        {"File:x", "File: ", 0, -1},
        {"a\0b\0c"s, "\0c"s, 0, 5}, // zero bytes are ordinary bytes
        {"abc", "", 0, -1},         // an empty needle never matches
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindTextEnd(c.text, c.needle, c.start), c.expected)
            << '"' << c.text << "\" / \"" << c.needle << "\" from " << c.start;
    }
}

TEST(CutSection, StartsAtTheMarkerAndStopsSixBytesShortOrBeforeEndMarker) {
    const std::pair<std::string, std::string> cases[] = {
        // No "</body>": L - e bytes from the marker, the last 6 page bytes lost.
        {"xxFile: ABCDEFGHIJ", "File: ABCD"},
        {"File: abc</body>\n</html>", "File: abc"},
        // "</body>" needs 6 bytes behind it to fall inside the section.
        {"File: abc</body>", "File: abc<"},
        {"File: abc</body>123456", "File: abc"},
        {"File: abc</p></body>......", "File: abc</p>"},
        // Only an end marker inside the section counts.
        {"</body>File: abcdefgh", "File: ab"},
        {"File: a</body>b</body>......", "File: a"},
        // The first start marker wins.
        {"File: 1File: 2......", "File: 1File: 2"},
        // No section.
        {"<html>no marker</html>", ""},
        {"file: abcdefghijklmnop", ""},
        {"File:abcdefghijklmnop", ""},
        {"xxFile: ", ""},
        {"File: </body>......", "File: "},
        {"File: </body>", "File: <"},
        {"", ""},
    };
    for (const auto& [page, section] : cases) {
        EXPECT_EQ(CutSection(page), section) << page;
    }
}

TEST(CollectEntries, ListsThirtyFiveBytesFromEachKeyOccurrence) {
    struct Case {
        const char* what;
        std::string section, key, expected;
    };
    const std::string pad(40, '.');
    const Case cases[] = {
        {"two entries in page order", "File: zemit" + kEntryTail + " zemit" + kEntryTail + "x",
         "zemit", "zemit" + kEntryTail + "\nzemit" + kEntryTail + "\n"},
        {"short last entry", "File: zemit" + kEntryTail + " zemit-2", "zemit",
         "zemit" + kEntryTail + "\nzemit-2\n"},
        {"key at the very end", pad + "zemit", "zemit", "zemit\n"},
        {"adjacent occurrence skipped", "File: zemitzemit" + kEntryTail, "zemit",
         "zemitzemit" + kEntryTail.substr(0, 25) + "\n"},
        {"one byte between occurrences", "zemit.zemit" + kEntryTail, "zemit",
         "zemit.zemit" + kEntryTail.substr(0, 24) + "\nzemit" + kEntryTail + "\n"},
        {"section of exactly 35 bytes", "zemit" + kEntryTail, "zemit", "zemit" + kEntryTail + "\n"},
        {"section of 34 bytes", "zemit" + kEntryTail.substr(1), "zemit", ""},
        {"key in capitals", "File: ZEMIT" + kEntryTail, "zemit", ""},
        {"key missing", pad, "zemit", ""},
        {"empty key", pad, "", ""},
        // Entries start at the key whatever its length.
        {"two-byte key at the start", "ze" + pad, "ze", "ze" + pad.substr(0, 33) + "\n"},
        {"six-byte key", "File: zemit2" + pad, "zemit2", "zemit2" + pad.substr(0, 29) + "\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CollectEntries(c.section, c.key), c.expected) << c.what;
    }
}

TEST(PageToEntries, DropsMarkedBytesBeforeSearchingAndCounting) {
    struct Case {
        const char* what;
        std::string page, expected;
    };
    const std::string end = "</body></html>\n";
    const Case cases[] = {
        {"listing page", "<html><body>File: zemit" + kEntryTail + "<br>" + end,
         "zemit" + kEntryTail + "\n"},
        {"0xCC anywhere",
         "\xCC<body>Fi\xCCle: zem\xCCit" + kEntryTail.substr(0, 10) + "\xCC" +
             kEntryTail.substr(10) + "\xCC" + end,
         "zemit" + kEntryTail + "\n"},
        {"0x0C in the section", "File: zem\x0Cit\x0C" + kEntryTail + "\x0C" + end,
         "zemit" + kEntryTail + "\n"},
        {"0x0C does not count towards 35 bytes",
         "zemit" + kEntryTail.substr(0, 24) + "\x0C\x0C\x0C\x0C\x0C" + end, ""},
        {"0x0C does not form a marker", "File:\x0C zemit" + kEntryTail + end, ""},
        {"missing </body>: section ends 6 bytes short",
         "File: zemit" + kEntryTail + " zemit-3.zipabcdef",
         "zemit" + kEntryTail + "\nzemit-3.zip\n"},
        {"section under 35 bytes", "File: zemit-1.zip" + end, ""},
        {"marker in small letters", "file: zemit" + kEntryTail + end, ""},
        {"no marker", "zemit" + kEntryTail + end, ""},
        {"key after </body>", "File: " + std::string(40, '.') + end + "zemit" + kEntryTail, ""},
        {"empty page", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageToEntries(c.page, "zemit"), c.expected) << c.what;
    }
}

TEST(ChooseUpdateBox, EntriesOrTheNoDataQuestion) {
    struct Case {
        const char* what;
        std::string page, text, caption;
    };
    const std::string noData = "No data available, open home site?";
    const Case cases[] = {
        {"entries", "File: zemit" + kEntryTail + "</body>......", "zemit" + kEntryTail + "\n",
         "This file available, open home site?"},
        {"empty page (or failed fetch)", "", noData, "Notice:"},
        {"no start marker", "<html>Not Found</html>", noData, "Notice:"},
        {"empty section", "<body>File: ", noData, "Notice:"},
        {"no entry", "File: nothing for this product</body>......", noData, "Notice:"},
        {"zero bytes shown as ?", "File: zemit\0-1.0"s + kEntryTail.substr(5) + "</body>......",
         "zemit?-1.0" + kEntryTail.substr(5) + "\n", "This file available, open home site?"},
    };
    for (const Case& c : cases) {
        const UpdateBox box = ChooseUpdateBox(c.page, "zemit");
        EXPECT_EQ(box.text, c.text) << c.what;
        EXPECT_EQ(box.caption, c.caption) << c.what;
    }
}

TEST(GatherBody, AppendsExactlyWhatEachReadDelivers) {
    struct Case {
        const char* what;
        std::vector<ScriptedRead> reads;
        std::string body;
        bool failed;
    };
    const std::string a(250, 'a'), b(250, 'b');
    const Case cases[] = {
        {"short body", {{true, "<html>"}, {true, ""}}, "<html>", false},
        {"exact multiple of 250", {{true, a}, {true, b}, {true, ""}}, a + b, false},
        {"short last chunk", {{true, a}, {true, "cc"}, {true, ""}}, a + "cc", false},
        {"short read mid-body", {{true, "x"}, {true, a}, {true, ""}}, "x" + a, false},
        {"zero bytes kept", {{true, "a\0\0b"s}, {true, "\0"s}, {true, ""}}, "a\0\0b\0"s, false},
        {"empty body", {{true, ""}}, "", false},
        {"failure part-way", {{true, a}, {false, ""}}, a, true},
        {"failure at once", {{false, ""}}, "", true},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedReader reader(c.reads);
        const GatheredBody got = GatherBody(std::ref(reader));
        EXPECT_EQ(got.body, c.body) << c.what;
        EXPECT_EQ(got.failed, c.failed) << c.what;
        EXPECT_TRUE(reader.finished()) << c.what;
        EXPECT_EQ(reader.asked, std::vector<uint32_t>(c.reads.size(), 250u)) << c.what;
    }
}

TEST(GatherBody, CountAboveTheBufferIsAFailureNotAnOverread) {
    const GatheredBody got = GatherBody([](char*, uint32_t size, uint32_t* count) {
        *count = size + 1;
        return true;
    });
    EXPECT_TRUE(got.failed);
    EXPECT_TRUE(got.body.empty());
}

} // namespace
