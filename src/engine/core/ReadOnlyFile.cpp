// ReadOnlyFile.cpp: a regular file opened for reading only, with its size known up front.
#include "ReadOnlyFile.h"

#include "engine/core/ksLog.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    // O_NONBLOCK keeps a named pipe from stalling the open; it changes nothing for regular files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        trace("ReadOnlyFile::open - %s is not a regular file", path.c_str());
        return std::nullopt;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        return std::nullopt;
    }
    return ReadOnlyFile(file, static_cast<uint64_t>(info.st_size));
}

std::size_t ReadOnlyFile::read(std::span<uint8_t> buffer) {
    if (buffer.empty()) {
        return 0;
    }
    return std::fread(buffer.data(), 1, buffer.size(), m_file.get());
}

bool ReadOnlyFile::seek(uint64_t position) {
    if (position > static_cast<uint64_t>(INT64_MAX)) {
        return false;
    }
    return ::fseeko(m_file.get(), static_cast<off_t>(position), SEEK_SET) == 0;
}

std::vector<uint8_t> ReadOnlyFile::readLeading(std::size_t maxBytes) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(std::min<uint64_t>(m_size, maxBytes)));
    if (!seek(0)) {
        return {};
    }
    bytes.resize(read(bytes));
    return bytes;
}
