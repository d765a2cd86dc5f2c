// Checks of the boxes that the network operations show.
#pragma once

#include "Boxes.h"

#include <gtest/gtest.h>

#include <string>

namespace nettest {

// Expects exactly one box, owned by `owner`, with the single OK button, this
// text, icon and caption (a null caption: the system's default title, not checked).
inline void ExpectOneBox(const testsupport::MessageBoxWatcher& watcher, HWND owner,
                         const std::string& text, LPCSTR icon, const char* caption,
                         const std::string& what) {
    ASSERT_EQ(watcher.boxes().size(), 1u) << what;
    const testsupport::Box& box = watcher.boxes()[0];
    EXPECT_EQ(box.text, text) << what;
    if (caption != nullptr) {
        EXPECT_EQ(box.caption, caption) << what;
    }
    EXPECT_EQ(box.owner, owner) << what;
    EXPECT_TRUE(box.hasOk) << what;
    EXPECT_FALSE(box.hasCancel) << what;
    EXPECT_EQ(box.icon, testsupport::SystemIcon(icon)) << what;
}

inline void ExpectNoBox(const testsupport::MessageBoxWatcher& watcher, const std::string& what) {
    EXPECT_TRUE(watcher.boxes().empty())
        << what << ": " << (watcher.boxes().empty() ? "" : watcher.boxes()[0].text);
}

} // namespace nettest
