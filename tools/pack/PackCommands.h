// PackCommands.h: the commands of zibbet-pack, which makes, lists and unpacks resource packs.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Each command reports problems on standard error, prefixed "zibbet-pack: ", and answers the
// process exit status: 0 on success, 1 on failure.

// Packs files and directories (recursively, names relative to the directory given) into `pack`.
int createPack(const std::filesystem::path& pack, const std::vector<std::filesystem::path>& inputs);
// One line per entry: size, offset and name.
int listPack(const std::filesystem::path& pack);
// Writes the entry's bytes to `out`, or to standard output when `out` is empty.
int extractFromPack(const std::filesystem::path& pack, const std::string& name,
                    const std::filesystem::path& out);
