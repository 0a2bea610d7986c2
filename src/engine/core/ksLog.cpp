// ksLog.cpp: the diagnostic log file and the printf-style trace writer.
#include "ksLog.h"

#include "FileIo.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::FILE* g_log = nullptr;
bool g_attached = false; // the stream belongs to someone else: never closed here

} // namespace

bool ksLog::open(const std::filesystem::path& path) {
    close();
    // Created afresh and never through a link, so a link planted at the log's name cannot
    // make the game overwrite another file.
    g_log = createFreshFile(path);
    if (g_log == nullptr) {
        return false;
    }
    // Unbuffered: every line reaches the file at once, and a line the disk refuses is not kept
    // back to be retried by the next one.
    std::setvbuf(g_log, nullptr, _IONBF, 0);
    // __DATE__ is "Mmm dd yyyy" with the day padded by a blank, __TIME__ is "hh:mm:ss".
    write("Start of log: " __DATE__ ", " __TIME__ "\n");
    write("\n");
    return true;
}

void ksLog::attach(std::FILE* stream) {
    close();
    g_log = stream;
    g_attached = stream != nullptr;
}

void ksLog::close() {
    if (g_log == nullptr) {
        return;
    }
    if (!g_attached) {
        write("\nEnd of log\n");
        std::fclose(g_log);
    }
    g_log = nullptr;
    g_attached = false;
}

bool ksLog::isOpen() {
    return g_log != nullptr;
}

void ksLog::write(std::string_view text) {
    if (g_log == nullptr) {
        return;
    }
    const bool written =
        std::fwrite(text.data(), 1, text.size(), g_log) == text.size() && std::fflush(g_log) == 0;
    if (!written) {
        // A full disk must not silence the log: what the file refuses goes to standard error.
        std::clearerr(g_log);
        if (g_log != stderr) {
            std::fwrite(text.data(), 1, text.size(), stderr);
        }
    }
}

void trace(const char* format, ...) {
    char line[256];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (length < 0) {
        return;
    }
    const std::size_t used = static_cast<std::size_t>(length) < sizeof line ? length : sizeof line - 1;
    ksLog::write(std::string_view(line, used));
    ksLog::write("\n");
}
