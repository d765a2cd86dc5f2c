// The text and control helpers on real edit and combo-box controls, the code
// page conversions, the local time text, and the margin sizing against a
// recording stand-in for a Scintilla control.
#include "support/text/Text.h"

#include "app/Globals.h"

#include "BoxChecks.h"
#include "HostWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace support;
using namespace testsupport;

namespace {

constexpr int kEditId = 200;
constexpr int kComboId = 201;

struct Controls {
    HostWindow host;
    HWND edit;
    HWND combo;
    Controls() {
        app::g_hInstance = GetModuleHandleA(nullptr);
        edit = CreateChild(host.get(), "EDIT", "", ES_AUTOHSCROLL, 0, 0, 200, 100, kEditId);
        combo = CreateChild(host.get(), "COMBOBOX", "", CBS_DROPDOWN | CBS_HASSTRINGS, 0, 0, 200,
                            200, kComboId);
        SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    }
    app::ControlBinding Edit() const {
        return app::ControlBinding(host.get(), kEditId, app::ControlKind::Edit);
    }
    app::ControlBinding Combo() const {
        return app::ControlBinding(host.get(), kComboId, app::ControlKind::ComboBox);
    }
    LRESULT ComboCount() const { return SendMessageA(combo, CB_GETCOUNT, 0, 0); }
};

TEST(Text, ReadTextUpToRefusesMoreThan65536) {
    const Controls controls;
    SetWindowTextA(controls.edit, std::string(70000, 'w').c_str());
    MessageBoxWatcher watcher;
    EXPECT_EQ(ReadTextUpTo(controls.Edit(), 65536), std::string(65535, 'w'));
    EXPECT_EQ(ReadTextUpTo(controls.Edit(), 5), "wwww");
    EXPECT_EQ(ReadTextUpTo(controls.Edit(), 0), "");
    ExpectNoBox(watcher.boxes());

    EXPECT_EQ(ReadTextUpTo(controls.Edit(), 65537), "");
    ExpectOneBox(watcher.boxes(), "String len > 65536", "String len > 65536", nullptr, nullptr);
}

TEST(Text, SelectionAndModification) {
    const Controls controls;
    SetWindowTextA(controls.edit, "výběr");
    SelectAllText(controls.Edit());
    DWORD start = 0, end = 0;
    SendMessageA(controls.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
    ClearSelection(controls.Edit());
    SendMessageA(controls.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_EQ(ReadTextUpTo(controls.Edit(), 100), "výběr");

    MessageBoxWatcher watcher;
    SendMessageA(controls.edit, EM_SETMODIFY, FALSE, 0);
    EXPECT_EQ(ReportIfModified(controls.Edit()), 0);
    ExpectNoBox(watcher.boxes());
    SendMessageA(controls.edit, EM_SETMODIFY, TRUE, 0);
    EXPECT_EQ(ReportIfModified(controls.Edit()), IDOK);
    // Owned by the control's top-level window.
    ExpectOneBox(watcher.boxes(), "Text prvku Edit byl změněn", "Změna", controls.host.get(),
                 IDI_ASTERISK);
}

TEST(Text, ComboItems) {
    const Controls controls;
    for (const char* item : {"Alfa", "Beta"}) {
        SendMessageA(controls.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    const struct {
        const char* typed;
        LRESULT index;
        LRESULT count;
    } cases[] = {
        {"bETA", 1, 2}, // matches in another letter case, adds nothing
        {"Gama", 2, 3},
        {"gama", 2, 3},
        {"", 0, 3},
    };
    for (const auto& c : cases) {
        SetWindowTextA(controls.combo, c.typed);
        EXPECT_EQ(AddTextToCombo(controls.Combo()), c.index) << c.typed;
        EXPECT_EQ(controls.ComboCount(), c.count) << c.typed;
    }

    SendMessageA(controls.combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(DeleteSelectedComboItem(controls.Combo()));
    EXPECT_EQ(controls.ComboCount(), 3);
    SendMessageA(controls.combo, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(DeleteSelectedComboItem(controls.Combo()));
    EXPECT_EQ(controls.ComboCount(), 2);

    ResetComboList(controls.Combo());
    EXPECT_EQ(controls.ComboCount(), 0);
}

TEST(Text, Conversions) {
    EXPECT_EQ(ToWideString("Příliš žluťoučký kůň"), L"Příliš žluťoučký kůň");
    EXPECT_EQ(ToWideString(""), L"");
    const std::string longText(5000, 'a');
    EXPECT_EQ(ToWideString(longText.c_str()), std::wstring(5000, L'a'));

    // Code page 852: "ř" is 0xFD there, 0xF8 in 1250.
    char text[] = "kůň ř";
    char oem[sizeof text] = {};
    TextToOem(text, oem);
    EXPECT_EQ(static_cast<unsigned char>(oem[4]), 0xFD);
    OemToText(oem, oem); // the same buffer twice
    EXPECT_STREQ(oem, text);
}

TEST(Text, LocalTimeTextIsTheCurrentLocalTime) {
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const std::string text = LocalTimeText();
    GetLocalTime(&after);
    auto format = [](const SYSTEMTIME& t) {
        return FormatDateTime(t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond);
    };
    EXPECT_TRUE(text == format(before) || text == format(after)) << text;
}

// A stand-in for a Scintilla control: answers the four messages the margin
// sizing sends and records them.
struct StandIn {
    std::vector<UINT> received;
    std::string sample;
    LRESULT lines = 120;
    LRESULT margin = 0;
};
StandIn* standIn = nullptr;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < kSciSetMarginWidthN - 200 || message > kSciTextWidth) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    standIn->received.push_back(message);
    switch (message) {
    case kSciGetLineCount:
        return standIn->lines;
    case kSciGetMarginWidthN:
        return standIn->margin;
    case kSciTextWidth:
        standIn->sample = reinterpret_cast<const char*>(lParam);
        return wParam == static_cast<WPARAM>(kStyleLineNumber) ? 9 * standIn->sample.size() : -1;
    case kSciSetMarginWidthN:
        standIn->margin = lParam;
        return 77;
    }
    return 0;
}

TEST(Text, FitLineNumberMarginAgainstAStandIn) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZemitScintillaStandIn";
    RegisterClassA(&windowClass);
    StandIn recorded;
    standIn = &recorded;
    HWND scintilla = CreateWindowExA(0, "ZemitScintillaStandIn", "", WS_POPUP, 0, 0, 10, 10,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(scintilla, nullptr);

    EXPECT_EQ(FitLineNumberMargin(scintilla, true), 77);
    EXPECT_EQ(recorded.sample, "_120_");
    EXPECT_EQ(recorded.margin, 45);
    EXPECT_EQ(recorded.received, (std::vector<UINT>{kSciGetLineCount, kSciGetMarginWidthN,
                                                    kSciTextWidth, kSciSetMarginWidthN}));
    recorded.received.clear();
    recorded.lines = 500; // same digits: the width stays, nothing is set
    EXPECT_EQ(FitLineNumberMargin(scintilla, true), 45);
    EXPECT_EQ(recorded.received.size(), 3u);
    recorded.received.clear();
    EXPECT_EQ(FitLineNumberMargin(scintilla, false), 77);
    EXPECT_EQ(recorded.received, std::vector<UINT>{kSciSetMarginWidthN});
    EXPECT_EQ(recorded.margin, 0);
    DestroyWindow(scintilla);
    standIn = nullptr;
}

} // namespace
