// ksLog.h: the diagnostic log file and the printf-style trace writer.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

// One text file, created afresh on every run. Every part of the program reports problems
// through trace(); nothing here is ever shown to the player.
class ksLog {
public:
    // Creates the log file (truncating it) and writes the start line with the build date.
    // Returns false when the file cannot be created; later writes are then dropped.
    static bool open(const std::filesystem::path& path);
    // Sends the trace lines to an already open stream (standard error, for tools) instead of a
    // file; no start or end lines are written.
    static void attach(std::FILE* stream);
    // Writes the end line and closes the file. Safe to call when nothing is open.
    static void close();
    static bool isOpen();
    // Writes raw text and flushes; writers that compose a line end it with '\n' themselves.
    static void write(std::string_view text);
};

// Formats one line of at most 255 characters (longer output is cut), writes it with a line feed
// and flushes at once.
[[gnu::format(printf, 1, 2)]] void trace(const char* format, ...);
