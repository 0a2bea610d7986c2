// MapFileSource.h: a file source over named byte strings, counting what is read.
#pragma once

#include "engine/core/ksLog.h"
#include "engine/resources/FileSource.h"

#include <map>
#include <string>

class MapFileSource final : public FileSource {
public:
    void add(const std::string& name, const std::string& text) { files[name] = text; }

    std::optional<std::vector<uint8_t>> readWhole(const std::string& name) override {
        ++reads[name];
        const auto found = files.find(name);
        if (found == files.end()) {
            trace("File %s not found.", name.c_str());
            return std::nullopt;
        }
        return std::vector<uint8_t>(found->second.begin(), found->second.end());
    }

    std::map<std::string, std::string> files;
    std::map<std::string, int> reads;
};
