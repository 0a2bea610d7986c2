// UrlOpener.h: handing a web address to the desktop's opener program, without a shell.
#pragma once

#include <chrono>
#include <string>

// Starts `program` (looked up on PATH) with `address` as its only argument, its output going
// nowhere, and waits up to `patience` for its answer. True when it reported success, or is still
// running when the patience is over (a browser it started in the foreground keeps it waiting);
// false when it could not be started or reported a failure (no browser to open). An opener still
// running is collected by a later call, so none is left behind for long.
bool launchUrlOpener(const char* program, const std::string& address, std::chrono::milliseconds patience);
