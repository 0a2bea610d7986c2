// ScoresFuzzer.cpp: loads arbitrary bytes as the high-score file and as a statistics file.
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);

    HighScoreTable table(HighScoreTable::kGameListCount, HighScoreTable::kGameListCapacity, {});
    table.loadFromBytes(bytes);
    for (int list = 0; list < table.listCount(); ++list) {
        if (table.count(list) < 0 || table.count(list) > HighScoreTable::kGameListCapacity) {
            std::abort();
        }
        for (int position = 0; position < HighScoreTable::kGameListCapacity; ++position) {
            if (std::strlen(table.nameAt(list, position)) >= HighScoreList::kNameBytes) {
                std::abort();
            }
        }
        const int32_t score = size > 0 ? static_cast<int32_t>(data[0]) * 1000 : 0;
        if (table.qualifies(list, score) != table.add(list, "fuzz", score)) {
            std::abort();
        }
    }
    const std::vector<uint8_t> saved = table.toBytes();
    HighScoreTable reloaded(HighScoreTable::kGameListCount, HighScoreTable::kGameListCapacity, {});
    reloaded.loadFromBytes(saved);
    if (reloaded.toBytes() != saved) {
        std::abort();
    }

    GameStats stats({});
    const bool complete = stats.loadFromBytes(bytes);
    if (complete != (size >= GameStats::kFileBytes)) {
        std::abort();
    }
    stats.recordResult(true);
    stats.recordResult(false);
    stats.recordGroup(static_cast<int32_t>(size));
    return 0;
}
