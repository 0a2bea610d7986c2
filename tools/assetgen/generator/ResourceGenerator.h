// ResourceGenerator.h: makes every resource of the game and lays out "resource.txt".
#pragma once

#include "engine/resources/PackWriter.h"

#include <filesystem>
#include <string>
#include <vector>

struct GeneratedResources {
    std::string script;              // the text of "resource.txt"
    std::vector<PackEntry> files;    // everything "resources.dat" holds, the script included
    std::vector<PackEntry> icons;    // desktop icons: "zibbet-48.png" ... "zibbet-256.png", "zibbet.svg"
    std::vector<std::string> errors; // empty when everything was made and declared
};

// Paints, bakes and synthesises everything on up to `threads` threads (at least one). The
// result depends only on the source, never on the thread count or timing. With `puzzleDir`, the
// puzzle catalogue built there ("zibbet_levels.dat", "puzzle_names.txt") joins the pack.
GeneratedResources generateResources(unsigned threads, const std::filesystem::path& puzzleDir = {});

// Writes OUTDIR/resource.txt, OUTDIR/resources.dat and OUTDIR/icons/*. False, with a message
// in `error`, when a file cannot be written.
bool writeResources(const GeneratedResources& resources, const std::string& outDir, std::string& error);
