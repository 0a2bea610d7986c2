// FileIo.cpp: whole-file reads and atomic whole-file writes for everything the game stores.
#include "FileIo.h"

#include "ksLog.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

long long g_failAfterBytes = -1;

// Writes all bytes to fd, honouring the injected failure; false on any short write.
bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = bytes.size() - done;
        if (g_failAfterBytes >= 0) {
            if (static_cast<long long>(done) >= g_failAfterBytes) {
                errno = EIO;
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

} // namespace

std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[16384];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        if (bytes.size() + n > maxBytes) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
        if (n < sizeof chunk) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok) {
        return std::nullopt;
    }
    return bytes;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = fd >= 0;
    if (ok) {
        ok = writeAll(fd, bytes);
        ok = (::fsync(fd) == 0) && ok;
        ok = (::close(fd) == 0) && ok;
        ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
        if (!ok) {
            ::unlink(temporary.c_str());
        }
    }
    if (!ok) {
        trace("Could not save %s", path.c_str());
    }
    return ok;
}

void injectWriteFailureAfter(long long bytes) { g_failAfterBytes = bytes; }
