// ContactSheetMain.cpp: zibbet-contact-sheet DATADIR OUTDIR writes the review sheets of a pack.
#include "ContactSheet.h"
#include "PackListing.h"
#include "PngWriter.h"
#include "engine/core/FileIo.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATADIR OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path data(argv[1]);
    const std::filesystem::path out(argv[2]);
    const auto pack = readFileBytes(data / "resources.dat", std::size_t{1} << 30);
    const auto files = pack ? listPack(*pack) : std::nullopt;
    if (!files) {
        std::fprintf(stderr, "zibbet-contact-sheet: cannot read %s\n", (data / "resources.dat").c_str());
        return 1;
    }
    // The game reads the script from the pack first, then from a loose file.
    std::string script;
    if (const auto inPack = files->find("resource.txt"); inPack != files->end()) {
        script.assign(inPack->second.begin(), inPack->second.end());
    } else if (const auto loose = readFileBytes(data / "resource.txt")) {
        script.assign(loose->begin(), loose->end());
    }
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    const std::vector<uint8_t> sheet = encodePng(makeContactSheet(script, *files));
    const std::vector<uint8_t> vision = encodePng(makeColourVisionSheet(script, *files));
    if (sheet.empty() || vision.empty() || !writeFileAtomically(out / "contact-sheet.png", sheet) ||
        !writeFileAtomically(out / "colour-vision.png", vision)) {
        std::fprintf(stderr, "zibbet-contact-sheet: cannot write the sheets to %s\n", out.c_str());
        return 1;
    }
    std::printf("zibbet-contact-sheet: wrote %s and %s\n", (out / "contact-sheet.png").c_str(),
                (out / "colour-vision.png").c_str());
    return 0;
}
