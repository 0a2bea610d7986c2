// ResourceFile.h: the file source every loader reads through: loose files or the resource pack.
#pragma once

#include "ResourcePack.h"
#include "engine/core/FileSource.h"
#include "engine/core/ReadOnlyFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Names are resolved inside one data directory, never the working directory. In pack mode the
// lower-cased name is looked up in "resources.dat" there; a name the pack lacks is opened as a
// loose file with the lower-cased name, for this one file only. The file that is open is read
// with a bounded position: nothing is ever handed over from past its end.
class ResourceFile final : public FileSource {
public:
    enum Mode : int {
        LooseFiles = 0,
        // Files linked into the program: a Windows notion with no counterpart here, so it reads
        // loose files instead.
        ProgramResources = 1,
        Pack = 2,
    };

    ResourceFile(std::filesystem::path dataDir, int mode);

    // Closes what is open, then opens the name in the current mode. False (with the trace line
    // "File %s not found.") when neither the pack nor the disk has it.
    bool open(const std::string& name);
    // Closes the file and returns to the mode set last (after a fall-back to a loose file).
    void close();
    bool isOpen() const { return m_bytes.has_value() || m_loose.has_value(); }

    // The open file's size in bytes; 0 when nothing is open.
    uint64_t size() const;
    // Copies up to buffer.size() bytes from the position, never past the end, and advances the
    // position by the number handed over, which it returns.
    std::size_t read(std::span<uint8_t> buffer);
    // The byte at the position, advancing it; at or past the end it answers 0 and sets the
    // end-of-file flag.
    uint8_t readByte();
    bool endOfFile() const { return m_endOfFile; }
    // Any position is allowed; reads past the end hand over nothing. Clears the end-of-file flag.
    void seek(uint64_t position);
    uint64_t tell() const { return m_position; }

    int mode() const { return m_mode; }
    void setMode(int mode);

    // In pack mode only: the bytes of a pack entry, leaving the open file alone.
    std::optional<std::vector<uint8_t>> lookupInPack(const std::string& name);

    // The whole file as an owned copy; closes whatever was open.
    std::optional<std::vector<uint8_t>> readWhole(const std::string& name) override;

    const std::filesystem::path& dataDir() const { return m_dataDir; }

private:
    bool openLoose(const std::string& name);

    std::filesystem::path m_dataDir;
    int m_mode = Pack;
    int m_savedMode = Pack;
    std::optional<ResourcePack> m_pack;
    // Exactly one of these holds the open file: pack entries are read into memory whole, loose
    // files are read where they lie.
    std::optional<std::vector<uint8_t>> m_bytes;
    std::optional<ReadOnlyFile> m_loose;
    uint64_t m_position = 0;
    bool m_endOfFile = false;
};
