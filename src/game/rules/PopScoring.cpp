// PopScoring.cpp: what a popped group is worth, and adding points to a score.
#include "PopScoring.h"

#include "RulesEvents.h"
#include "engine/core/Numbers.h"

#include <cmath>
#include <cstdio>

float usableMultiplier(float multiplier) {
    return std::isfinite(multiplier) ? multiplier : 0.0f;
}

int64_t triangular(int m) {
    return m <= 0 ? 0 : int64_t{m} * (m + 1) / 2;
}

GroupScore scoreGroup(const GroupScoreRule& rule, int groupSize, int32_t& superPopRun) {
    const float multiplier = usableMultiplier(rule.multiplier);
    GroupScore score;
    float base = static_cast<float>(rule.groupPopPoints);
    float directBonus = 0.0f;
    if (groupSize >= rule.superPopThreshold) {
        superPopRun += 1;
        score.superPop = true;
        score.bonus = truncSat(static_cast<double>(rule.bigGroupBonus) * superPopRun);
        if (multiplier != 0.0f) {
            // Divided here so that the multiplication below gives the bonus back unchanged.
            base += static_cast<float>(rule.bigGroupBonus) / multiplier * static_cast<float>(superPopRun);
        } else {
            directBonus = static_cast<float>(rule.bigGroupBonus) * static_cast<float>(superPopRun);
        }
    } else {
        superPopRun = 0;
    }
    const float extra = static_cast<float>(rule.extraPopPoints * triangular(groupSize - 2));
    score.points = (extra + base) * multiplier + directBonus;
    return score;
}

int32_t addPoints(int32_t score, double points) {
    return truncSat(static_cast<double>(score) + points);
}

const char* popCueFor(int groupSize) {
    if (groupSize <= 3) {
        return "pop23";
    }
    if (groupSize <= 6) {
        return "pop46";
    }
    if (groupSize <= 10) {
        return "pop610";
    }
    return "pop11";
}

GameBanner superPopBanner(int groupSize, int32_t bonus) {
    GameBanner banner;
    std::snprintf(banner.line1.data(), banner.line1.size(), "Super Pop!  %d Balloons!", groupSize);
    banner.line2Format = "%s Bonus!";
    banner.line2Number = bonus;
    banner.font2 = "font_dlg_med";
    return banner;
}
