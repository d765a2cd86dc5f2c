// Test helper: pictures of what a window shows, saved beside the stories.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// build/screenshots/<name>.png (relative to the build tree's tests), the folder
// created when missing.
std::string ScreenshotPath(const std::string& name);

// Saves a picture of the window as a PNG file once it and its controls are
// painted. Returns whether the file was written; a picture is a record for
// people, so callers report a failure without failing a behaviour check.
bool SaveScreenshot(HWND window, const std::string& path);

} // namespace testsupport
