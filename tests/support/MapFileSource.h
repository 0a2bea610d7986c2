// MapFileSource.h: a file source over named byte strings, counting what is read.
#pragma once

#include "engine/core/FileSource.h"
#include "engine/core/ksLog.h"

#include <map>
#include <string>

// Logs a missing name as the game's file source does, unless `quiet`.
class MapFileSource final : public FileSource {
public:
    void add(const std::string& name, const std::string& text) {
        files[name].assign(text.begin(), text.end());
    }

    std::optional<std::vector<uint8_t>> readWhole(const std::string& name) override {
        ++reads[name];
        const auto found = files.find(name);
        if (found == files.end()) {
            if (!quiet) {
                trace("File %s not found.", name.c_str());
            }
            return std::nullopt;
        }
        return found->second;
    }

    std::map<std::string, std::vector<uint8_t>> files;
    std::map<std::string, int> reads;
    bool quiet = false;
};
