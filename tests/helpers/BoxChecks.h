// Test helper: what a message box must show, checked the same way by every test.
#pragma once

#include "Boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

enum class Buttons { Ok, OkCancel };

// Expects `box` to show `text` under `caption` (null: the system's default
// caption), owned by `owner`, with these buttons and the system icon `icon`
// (IDI_HAND, IDI_ASTERISK, ...; null: none). Icon handles differ between
// processes, so a box of another process is only checked for having an icon.
inline void ExpectBox(const Box& box, const std::string& text, const char* caption, HWND owner,
                      LPCSTR icon, const std::string& what = "", Buttons buttons = Buttons::Ok) {
    SCOPED_TRACE(what + " (the box \"" + box.text + "\")");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, caption == nullptr ? DefaultCaption() : caption);
    EXPECT_EQ(box.owner, owner);
    EXPECT_TRUE(box.hasOk);
    EXPECT_EQ(box.hasCancel, buttons == Buttons::OkCancel);
    if (box.process == GetCurrentProcessId()) {
        EXPECT_EQ(box.icon, icon == nullptr ? nullptr : SystemIcon(icon));
    } else {
        EXPECT_EQ(box.hasIcon(), icon != nullptr);
    }
}

// Expects exactly one box, as ExpectBox describes it.
inline void ExpectOneBox(const std::vector<Box>& boxes, const std::string& text,
                         const char* caption, HWND owner, LPCSTR icon, const std::string& what = "",
                         Buttons buttons = Buttons::Ok) {
    ASSERT_EQ(boxes.size(), 1u) << what;
    ExpectBox(boxes[0], text, caption, owner, icon, what, buttons);
}

inline void ExpectNoBox(const std::vector<Box>& boxes, const std::string& what = "") {
    EXPECT_TRUE(boxes.empty()) << what << ": " << (boxes.empty() ? "" : boxes[0].text);
}

} // namespace testsupport
