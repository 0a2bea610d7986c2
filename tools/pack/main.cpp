// main.cpp: zibbet-pack, the command-line tool that makes, lists and unpacks resource packs.
#include "PackCommands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = R"(Usage:
  zibbet-pack create PACK FILE|DIR...   pack files and directories into PACK
  zibbet-pack list PACK                 print size, offset and name of every entry
  zibbet-pack extract PACK NAME [OUT]   write one entry to OUT, or to standard output
  zibbet-pack --help                    show this text

Names in a pack are lower case: a directory's files are named by their path relative to the
directory (with "/"), a file given directly by its file name. The result does not depend on the
order of the files or of the arguments. Names longer than 255 bytes, and names that only differ
in case, are refused. NAME is looked up as the game does, with A to Z lower-cased.
)";

int usageError(const char* message) {
    std::fprintf(stderr, "zibbet-pack: %s\n\n%s", message, kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return usageError("no command given");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "create" && args.size() >= 3) {
        return createPack(args[1], std::vector<std::filesystem::path>(args.begin() + 2, args.end()));
    }
    if (command == "list" && args.size() == 2) {
        return listPack(args[1]);
    }
    if (command == "extract" && (args.size() == 3 || args.size() == 4)) {
        return extractFromPack(args[1], args[2], args.size() == 4 ? args[3] : std::string());
    }
    if (command == "create" || command == "list" || command == "extract") {
        return usageError(("wrong number of arguments for " + command).c_str());
    }
    return usageError(("unknown command " + command).c_str());
}
