// FileSource.h: where loaders get the bytes of a named data file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The resource file source (pack first, then loose files) implements this; tests use a map.
// A missing or unreadable file answers nothing; the implementation writes the log line.
class FileSource {
public:
    virtual ~FileSource() = default;
    virtual std::optional<std::vector<uint8_t>> readWhole(const std::string& name) = 0;
};
