// PuzzleDesigns.cpp: the designs the catalogue is grown from: a title, a shape, a pattern, a goal.
#include "PuzzleDesigns.h"

const std::vector<std::vector<std::string>>& motifs() {
    static const std::vector<std::vector<std::string>> kMotifs = {
        // 0 heart
        {".aa.aa.", "aaaaaaa", "aaaaaaa", ".aaaaa.", "..aaa..", "...a..."},
        // 1 smiling face
        {".aaaaa.", "aabaaba", "aabaaba", "aaaaaaa", "abaaaba", "aabbbaa", ".aaaaa."},
        // 2 gold star
        {"...g...", "..ggg..", "ggggggg", ".ggggg.", ".gg.gg.", "g.....g"},
        // 3 house
        {"...a...", "..aaa..", ".aaaaa.", "aaaaaaa", ".bbbbb.", ".bcbcb.", ".bbbbb.", ".bbcbb."},
        // 4 fir tree
        {"...a...", "..aaa..", ".aaaaa.", "..aaa..", ".aaaaa.", "aaaaaaa", "...b...", "...b..."},
        // 5 fish
        {"..aaaa...a", ".aaaaaa.aa", "aabaaaaaaa", "aaaaaaaaaa", ".aaaaaa.aa", "..aaaa...a"},
        // 6 arrow down
        {"..aaa..", "..aaa..", "..aaa..", "aaaaaaa", ".aaaaa.", "..aaa..", "...a..."},
        // 7 plus
        {"..aaa..", "..aaa..", "aaaaaaa", "aaaaaaa", "aaaaaaa", "..aaa..", "..aaa.."},
        // 8 ring
        {"..aaaaa..", ".aa...aa.", "aa.....aa", "aa.....aa", "aa.....aa", ".aa...aa.", "..aaaaa.."},
        // 9 diamond
        {"...a...", "..aba..", ".abcba.", "abcccba", ".abcba.", "..aba..", "...a..."},
        // 10 letter Z
        {"aaaaaaa", ".....aa", "....aa.", "...aa..", "..aa...", ".aa....", "aaaaaaa"},
        // 11 letters I B
        {"aaa.bbbb.", ".a..b...b", ".a..bbbb.", ".a..b...b", "aaa.bbbb."},
        // 12 letters E T
        {"aaaa.bbbbb", "a.....b..", "aaa...b..", "a.....b..", "aaaa..b.."},
        // 13 cat face
        {"a.....a", "aa...aa", "aaaaaaa", "abaaaba", "aaacaaa", ".aaaaa."},
        // 14 flower
        {"..a.a..", ".aaaaa.", "aaabaaa", ".aaaaa.", "..a.a..", "...c...", "..cc...", "...c..."},
        // 15 crescent moon
        {"..aaa..", ".aa....", "aa.....", "aa.....", "aa.....", ".aa....", "..aaa.."},
        // 16 umbrella
        {"..aaaaa..", ".abababa.", "aaaaaaaaa", "....b....", "....b....", "....b....", "..b.b....",
         "...b....."},
        // 17 crown with gold jewels
        {"g..g..g", "aa.a.aa", "aaaaaaa", "agagaga", "aaaaaaa"},
        // 18 anchor
        {"...a...", "..a.a..", "...a...", "aaaaaaa", "...a...", "a..a..a", ".aaaaa."},
        // 19 mushroom
        {"..aaaaa..", ".abaaaba.", "aaaaaaaaa", "aabaaabaa", "...ccc...", "...ccc...", "..ccccc.."},
        // 20 sun
        {"a..a..a", ".aaaaa.", ".abbba.", "aabbbaa", ".abbba.", ".aaaaa.", "a..a..a"},
        // 21 balloon on a string
        {"..aaa..", ".aaaaa.", ".aabaa.", ".aaaaa.", "..aaa..", "...b...", "...b...", "..b...."},
        // 22 ghost
        {"..aaa..", ".aaaaa.", "abaabaa", "aaaaaaa", "aaaaaaa", "aaaaaaa", "a.a.a.a"},
        // 23 music note
        {"...aaaa", "...a..a", "...a..a", "...a..a", ".aaa.aa", "aaaa.aa", ".aa...."},
        // 24 cup
        {"aaaaaa.", "abbbba.", "abbbbaa", "abbbba.a", "abbbbaa", ".aaaa..", "aaaaaa."},
        // 25 key
        {".aaa.....", "a...a....", "a...aaaaa", "a...a.a.a", ".aaa..a.a"},
        // 26 sailing boat
        {"....a....", "....ab...", "...aab...", "..aaabb..", ".aaaabbb.", "....c....", "ccccccccc",
         ".ccccccc."},
        // 27 bell with a gold clapper
        {"...a...", "..aaa..", ".aaaaa.", ".aaaaa.", ".aaaaa.", "aaaaaaa", "...g..."},
        // 28 rocket
        {"...a...", "..aaa..", "..aba..", "..aaa..", "..aaa..", ".aaaaa.", "aa.c.aa", "...c..."},
        // 29 cross-stitch of gold corners
        {"g.....g", ".a...a.", "..a.a..", "...a...", "..a.a..", ".a...a.", "g.....g"},
    };
    return kMotifs;
}

const std::vector<std::string>& motifColours() {
    static const std::vector<std::string> kColours = {
        "WR",  "LYB", "B",   "BRYW", "WGL",  "BYW", "WR",   "RW", "BY",   "WBLY",
        "YB",  "WRB", "WGL", "GYLR", "BRYG", "BY",  "BRW",  "LY", "BW",   "GRWY",
        "BYR", "BRW", "BWL", "YB",   "YBG",  "BY",  "BWRY", "BY", "BWRY", "GL",
    };
    return kColours;
}

const std::vector<PuzzleDesign>& puzzleDesigns() {
    // title, goal, shape, pattern, width, height, colours, thickness, extra, noise
    static const std::vector<PuzzleDesign> kDesigns = {
        {"First Pop", 'a', 'R', 'h', 2, 2, 1, 1, 0, 0.0},
        {"Two Scoops", 'a', 'R', 'h', 2, 4, 2, 2, 0, 0.0},
        {"Side by Side", 'a', 'R', 'v', 4, 2, 2, 1, 0, 0.0},
        {"A Golden Pair", 'g', 'R', 'h', 3, 3, 2, 1, 2, 0.0},
        {"Special Delivery", 'p', 'R', 'v', 3, 3, 2, 1, 1, 0.0},
        {"Little Stripes", 'a', 'R', 'h', 3, 4, 2, 1, 0, 0.0},
        {"Icicle", 'a', 'V', 'h', 5, 4, 2, 1, 0, 0.0},
        {"Checkered Flag", 'a', 'R', 'c', 4, 4, 2, 2, 0, 0.0},
        {"Twin Stars", 'g', 'R', 'v', 4, 3, 2, 1, 2, 0.0},
        {"Small Valley", 'a', 'U', 'h', 5, 4, 2, 1, 0, 0.0},
        {"Two Presents", 'p', 'R', 'h', 4, 3, 2, 1, 2, 0.0},
        {"Tiny Heart", 'a', 'R', 'm', 7, 6, 2, 1, 0, 0.0},
        {"Bullseye", 'a', 'R', 'f', 5, 5, 3, 1, 0, 0.0},
        {"Candy Cane", 'a', 'R', 'd', 4, 5, 2, 2, 0, 0.0},
        {"Big Smile", 'a', 'R', 'm', 7, 7, 3, 1, 1, 0.0},
        {"Gold Rush", 'g', 'V', 'h', 5, 5, 3, 1, 2, 0.0},
        {"Staircase", 'a', 'S', 'h', 6, 5, 3, 1, 0, 0.0},
        {"Parcel Post", 'p', 'V', 'v', 5, 4, 3, 1, 2, 0.0},
        {"Rolling Hills", 'a', 'W', 'h', 7, 5, 3, 1, 0, 0.0},
        {"Fir Tree", 'a', 'R', 'm', 7, 8, 3, 1, 4, 0.0},
        {"Shooting Star", 'g', 'R', 'm', 7, 6, 2, 1, 2, 0.0},
        {"Down the Chute", 'p', 'U', 'h', 6, 5, 3, 1, 2, 0.0},
        {"Diamond Mine", 'a', 'R', 'm', 7, 7, 4, 1, 9, 0.0},
        {"Lattice", 'a', 'R', 'c', 6, 6, 3, 2, 0, 0.0},
        {"Home Sweet Home", 'a', 'R', 'm', 7, 8, 4, 1, 3, 0.0},
        {"Treasure Hunt", 'g', 'R', 'x', 7, 6, 3, 1, 3, 0.0},
        {"Gone Fishing", 'a', 'R', 'm', 10, 6, 3, 1, 5, 0.0},
        {"Mail Sorting", 'p', 'R', 'v', 6, 5, 3, 1, 3, 0.0},
        {"Straight Down", 'a', 'R', 'm', 7, 7, 2, 1, 6, 0.05},
        {"Crossroads", 'a', 'R', 'm', 7, 7, 3, 1, 7, 0.0},
        {"The Golden Ring", 'g', 'R', 'f', 7, 6, 3, 1, 4, 0.0},
        {"Wrapped Up", 'p', 'V', 'x', 7, 5, 3, 1, 2, 0.0},
        {"Ring Toss", 'a', 'R', 'm', 9, 7, 3, 1, 8, 0.0},
        {"Zigzag", 'a', 'R', 'm', 7, 7, 3, 1, 10, 0.0},
        {"Royal Crown", 'g', 'R', 'm', 7, 5, 3, 1, 17, 0.0},
        {"Night Owl", 'a', 'U', 'x', 7, 6, 3, 1, 0, 0.05},
        {"Gift Exchange", 'p', 'R', 'h', 7, 5, 3, 1, 3, 0.05},
        {"Puss in Boots", 'a', 'R', 'm', 7, 6, 4, 1, 13, 0.0},
        {"Flower Bed", 'a', 'R', 'm', 7, 8, 4, 1, 14, 0.0},
        {"Half Moon", 'a', 'R', 'm', 7, 7, 3, 1, 15, 0.05},
        {"Pieces of Eight", 'g', 'W', 'd', 8, 6, 3, 2, 4, 0.05},
        {"Rainy Day", 'a', 'R', 'm', 9, 8, 4, 1, 16, 0.0},
        {"Drop Zone", 'p', 'W', 'v', 8, 6, 3, 1, 3, 0.05},
        {"Anchors Aweigh", 'a', 'R', 'm', 7, 7, 3, 1, 18, 0.05},
        {"Toadstool", 'a', 'R', 'm', 9, 7, 4, 1, 19, 0.0},
        {"Sunny Side Up", 'a', 'R', 'm', 7, 7, 4, 1, 20, 0.05},
        {"Confetti Shower", 'a', 'R', 'r', 9, 6, 3, 1, 0, 0.0},
        {"Bell Tower", 'g', 'R', 'm', 7, 7, 3, 1, 27, 0.05},
        {"Up and Away", 'a', 'R', 'm', 7, 8, 4, 1, 21, 0.05},
        {"Boo!", 'a', 'R', 'm', 7, 7, 3, 1, 22, 0.05},
        {"Hidden Hoard", 'g', 'V', 'r', 9, 7, 3, 1, 4, 0.0},
        {"Conveyor Belt", 'p', 'S', 'h', 8, 6, 3, 1, 3, 0.05},
        {"Sheet Music", 'a', 'R', 'm', 7, 7, 3, 1, 23, 0.05},
        {"Tea Time", 'a', 'R', 'm', 8, 7, 4, 1, 24, 0.05},
        {"Skeleton Key", 'a', 'R', 'm', 9, 5, 3, 1, 25, 0.05},
        {"Stars in a Row", 'g', 'R', 'h', 9, 6, 4, 1, 4, 0.1},
        {"Sorting Office", 'p', 'R', 'c', 8, 6, 3, 2, 3, 0.05},
        {"Set Sail", 'a', 'R', 'm', 9, 8, 4, 1, 26, 0.05},
        {"Countdown", 'a', 'R', 'm', 7, 8, 4, 1, 28, 0.05},
        {"Wide Awake", 'a', 'W', 'f', 11, 7, 4, 1, 0, 0.05},
        {"Kingdom Come", 'g', 'R', 'm', 9, 7, 4, 1, 17, 0.05},
        {"Spiral Staircase", 'a', 'S', 'd', 10, 7, 4, 2, 0, 0.05},
        {"Express Post", 'p', 'V', 'r', 9, 7, 3, 1, 3, 0.0},
        {"Zany Letters", 'a', 'R', 'm', 9, 5, 3, 1, 11, 0.05},
        {"Extra Terrific", 'a', 'R', 'm', 11, 6, 3, 1, 12, 0.05},
        {"Golden Corners", 'g', 'R', 'm', 9, 7, 3, 1, 29, 0.05},
        {"Hall of Mirrors", 'a', 'R', 'x', 11, 8, 4, 1, 0, 0.05},
        {"Four Corners", 'p', 'R', 'f', 9, 7, 4, 1, 4, 0.05},
        {"Big Top", 'a', 'V', 'v', 13, 9, 4, 2, 0, 0.05},
        {"Heartbreaker", 'a', 'R', 'm', 11, 8, 4, 1, 0, 0.1},
        {"Gilded Cage", 'g', 'R', 'c', 9, 8, 4, 2, 4, 0.05},
        {"Cloudburst", 'a', 'U', 'r', 11, 8, 4, 1, 0, 0.0},
        {"Relay Race", 'p', 'W', 'x', 10, 7, 4, 1, 4, 0.05},
        {"Patchwork Quilt", 'a', 'R', 'c', 12, 8, 4, 2, 0, 0.1},
        {"Starry Night", 'g', 'U', 'r', 11, 8, 4, 1, 5, 0.0},
        {"Jellyfish", 'a', 'R', 'm', 11, 8, 5, 1, 22, 0.1},
        {"Sunken Treasure", 'g', 'R', 'm', 11, 8, 5, 1, 2, 0.1},
        {"Pass the Parcel", 'p', 'R', 'r', 10, 7, 4, 1, 4, 0.0},
        {"Marching Band", 'a', 'R', 'v', 13, 8, 5, 1, 0, 0.1},
        {"Rainbow Bridge", 'a', 'U', 'h', 13, 9, 5, 1, 0, 0.1},
        {"Fool's Gold", 'g', 'S', 'x', 12, 8, 5, 1, 5, 0.05},
        {"Chain Letter", 'p', 'S', 'd', 11, 8, 4, 2, 4, 0.05},
        {"Kaleidoscope", 'a', 'R', 'x', 13, 9, 5, 1, 0, 0.1},
        {"Circus Parade", 'a', 'W', 'v', 14, 9, 5, 2, 0, 0.1},
        {"Midas Touch", 'g', 'R', 'r', 13, 8, 5, 1, 6, 0.0},
        {"Lost and Found", 'p', 'U', 'r', 12, 8, 5, 1, 4, 0.0},
        {"Wallpaper", 'a', 'R', 'c', 14, 9, 5, 2, 0, 0.1},
        {"Pearl Diver", 'g', 'V', 'x', 13, 10, 5, 1, 6, 0.05},
        {"Grand Finale", 'a', 'R', 'f', 15, 9, 5, 1, 0, 0.1},
        {"Hot Potato", 'p', 'R', 'x', 13, 9, 5, 1, 5, 0.05},
        {"Storm Front", 'a', 'W', 'r', 15, 9, 5, 1, 0, 0.0},
        {"Crown Jewels", 'g', 'R', 'm', 15, 9, 5, 1, 17, 0.1},
        {"Full House", 'a', 'R', 'r', 15, 10, 4, 1, 0, 0.0},
        {"Needle in a Haystack", 'g', 'R', 'r', 15, 10, 5, 1, 2, 0.0},
        {"Sorting Hat", 'p', 'R', 'r', 15, 9, 5, 1, 5, 0.0},
        {"Twister", 'a', 'R', 'd', 15, 10, 5, 2, 0, 0.1},
        {"Gold Standard", 'g', 'R', 'r', 15, 10, 6, 1, 4, 0.0},
        {"Dead Letter Office", 'p', 'W', 'r', 15, 10, 5, 1, 6, 0.0},
        {"Labyrinth", 'a', 'R', 'f', 15, 10, 6, 1, 0, 0.1},
        {"Fort Knox", 'g', 'R', 'x', 15, 10, 5, 1, 6, 0.1},
        {"Last Orders", 'p', 'R', 'c', 15, 10, 6, 2, 6, 0.1},
        {"Curtain Call", 'a', 'R', 'r', 15, 10, 6, 1, 0, 0.0},
    };
    return kDesigns;
}
