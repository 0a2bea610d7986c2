// GameContext.h: the services and shared state every screen of the game works with.
#pragma once

#include "ScreenManager.h"
#include "engine/core/GamePaths.h"

#include <array>

class GameStats;
class HighScoreTable;
class KestrinOS;
class PlayerProfile;
class ksCanvas;
class ksRegistry;
class ksResources;
class ksSoundSystem;
class ksTimer;

// Created by GameApp, which outlives every screen.
struct GameContext {
    KestrinOS& os;
    ksRegistry& settings;
    ksCanvas& canvas;
    ksTimer& timer;
    ksResources& resources;
    ksSoundSystem& sound;
    PlayerProfile& profile;
    HighScoreTable& highScores;
    std::array<GameStats*, 3> stats; // by mode: 0 Classic, 1 Puzzle (never written), 2 Action
    ScreenManager& screens;
    GamePaths paths;
    // How dark the veil behind an open dialog becomes, 0.0 to 1.0.
    float dialogVeil = 1.0f;
    bool developerMode = false;
    // 0 off, 1 playing back, 2 recording.
    int moveRecordState = 0;
    // Let the built-in player play (tests and demonstrations).
    bool autoplay = false;
};
