// PackFuzzer.cpp: feeds arbitrary bytes to the pack reader and the file source as "resources.dat".
#include "engine/resources/ResourceFile.h"
#include "engine/resources/ResourcePack.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One scratch directory per fuzzing process, removed when the process exits; the pack is
// rewritten for every input.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zibbet-fuzz-pack-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const std::filesystem::path& scratchDir() {
    static const ScratchDir dir;
    return dir.path();
}

void writePack(const std::filesystem::path& path, const uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::filesystem::path pack = scratchDir() / ResourcePack::kFileName;
    writePack(pack, data, size);

    std::vector<std::string> names{"title.jpg", "resource.txt", "a", ""};
    {
        ResourcePack reader(pack);
        std::string problem;
        if (auto directory = reader.readDirectory(problem)) {
            for (const PackDirectoryEntry& entry : *directory) {
                names.push_back(entry.name);
            }
        }
        for (const std::string& name : names) {
            if (auto bytes = reader.find(name); bytes && bytes->size() > reader.fileSize()) {
                std::abort();
            }
        }
    }

    ResourceFile files(scratchDir(), ResourceFile::Pack);
    for (const std::string& name : names) {
        if (!files.open(name)) {
            continue;
        }
        std::array<uint8_t, 64> buffer{};
        const uint64_t size = files.size();
        files.seek(size / 2);
        files.read(buffer);
        files.seek(size + 100);
        if (files.read(buffer) != 0 || files.readByte() != 0 || !files.endOfFile()) {
            std::abort();
        }
        files.seek(0);
        for (int i = 0; i < 300 && !files.endOfFile(); ++i) {
            files.readByte();
        }
        files.close();
    }
    return 0;
}
