// FileIo.cpp: whole-file reads and atomic whole-file writes for everything the game stores.
#include "FileIo.h"

#include "ksLog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long long g_failAfterBytes = -1;

// Saved files whose last save failed, so a full disk is reported once per file and not on
// every pop. The game keeps far fewer files than this; a path beyond capacity is reported on
// every failure, which is still correct, only louder.
constexpr std::size_t kFailingCapacity = 16;
std::array<std::string, kFailingCapacity> g_failing;
bool g_failureNoticePending = false;
bool g_failureNoticeGiven = false;

std::string* failingEntry(const std::string& path) {
    for (std::string& entry : g_failing) {
        if (!entry.empty() && entry == path) {
            return &entry;
        }
    }
    return nullptr;
}

// Remembers the failure; answers whether it is new (and so must be reported).
bool rememberFailure(const std::string& path) {
    if (failingEntry(path) != nullptr) {
        return false;
    }
    const auto free =
        std::find_if(g_failing.begin(), g_failing.end(), [](const std::string& e) { return e.empty(); });
    if (free != g_failing.end()) {
        *free = path;
    }
    return true;
}

void forgetFailure(const std::string& path) {
    if (std::string* entry = failingEntry(path)) {
        entry->clear();
    }
}

// Writes all bytes to fd, honouring the injected failure; false on any short write.
bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = bytes.size() - done;
        if (g_failAfterBytes >= 0) {
            if (static_cast<long long>(done) >= g_failAfterBytes) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(g_failAfterBytes) - done);
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Removes whatever is at `path` unless it is a directory; a missing entry is fine.
void removeEntry(const std::filesystem::path& path) {
    const int saved = errno;
    ::unlink(path.c_str());
    errno = saved;
}

// A new file at `path`, created exclusively and without following a link (a stale entry
// there is removed first). -1 when it cannot be made.
int createExclusively(const std::filesystem::path& path) {
    removeEntry(path);
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

} // namespace

std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    // O_NONBLOCK keeps a named pipe from stalling the open; it changes nothing for regular files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        trace("readFileBytes - %s is not a regular file", path.c_str());
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[16384];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    ::close(fd);
    if (!ok) {
        return std::nullopt;
    }
    return bytes;
}

bool replaceFileContents(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    const int fd = createExclusively(temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    const int saved = errno;
    ok = (::close(fd) == 0) && ok;
    errno = ok ? errno : saved;
    // rename replaces a link at `path` itself, never the file it points to.
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        removeEntry(temporary);
    }
    return ok;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    if (replaceFileContents(path, bytes)) {
        forgetFailure(path.string());
        return true;
    }
    const int error = errno;
    if (rememberFailure(path.string())) {
        trace("Could not save %s (%s)", path.c_str(), std::strerror(error));
    }
    if (!g_failureNoticeGiven) {
        g_failureNoticePending = true;
    }
    return false;
}

bool takeSaveFailureNotice() {
    if (!g_failureNoticePending) {
        return false;
    }
    g_failureNoticePending = false;
    g_failureNoticeGiven = true;
    return true;
}

void resetSaveFailureReports() {
    g_failureNoticePending = false;
    g_failureNoticeGiven = false;
    for (std::string& entry : g_failing) {
        entry.clear();
    }
}

std::FILE* createFreshFile(const std::filesystem::path& path) {
    const int fd = createExclusively(path);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "w");
    if (file == nullptr) {
        ::close(fd);
    }
    return file;
}

bool keepPreviousCopy(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    std::filesystem::path copy = path;
    copy += ".previous";
    const auto bytes = readFileBytes(path, std::size_t{16} << 20);
    if (!bytes || !replaceFileContents(copy, *bytes)) {
        trace("Could not keep a copy of %s as %s", path.c_str(), copy.c_str());
        return false;
    }
    return true;
}

int removeStaleTemporaries(const std::filesystem::path& dir) {
    std::error_code error;
    int removed = 0;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::filesystem::path& entry = it->path();
        std::error_code kindError;
        if (entry.extension() != ".tmp" ||
            it->symlink_status(kindError).type() == std::filesystem::file_type::directory) {
            continue;
        }
        if (::unlink(entry.c_str()) == 0) {
            ++removed;
        }
    }
    if (removed > 0) {
        trace("Removed %d unfinished save(s) in %s", removed, dir.c_str());
    }
    return removed;
}

void injectWriteFailureAfter(long long bytes) {
    g_failAfterBytes = bytes;
}
