// Test helper: waiting on a condition with a deadline instead of sleeping.
#pragma once

#include <functional>

namespace testsupport {

// Polls `condition` until it holds or `seconds` pass; returns whether it held.
// Meanwhile the calling thread's messages are dispatched, so windows of the
// test's own thread keep answering.
bool WaitUntil(const std::function<bool()>& condition, double seconds = 20);

} // namespace testsupport
