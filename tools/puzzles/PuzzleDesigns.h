// PuzzleDesigns.h: the designs the catalogue is grown from: a title, a shape, a pattern, a goal.
#pragma once

#include <string>
#include <vector>

// One puzzle as designed. The generator deals it from many seeds and keeps the variant that is
// solvable and plays closest to the design's place in the catalogue.
struct PuzzleDesign {
    std::string title;
    char goal;     // 'a' pop all, 'g' gold stars, 'p' prizes on targets
    char shape;    // 'R' block, 'V' hanging point, 'U' valley, 'W' wave, 'S' steps
    char pattern;  // 'h' rows, 'v' columns, 'd' diagonals, 'x' diamonds, 'c' checks, 'f' frames,
                   // 'm' a motif on a ground, 'r' scattered
    int width;     // columns, centred on the seam
    int height;    // rows of the tallest column
    int colours;   // ordinary colours dealt
    int thickness; // band width of the pattern
    int extra;     // gold stars or prizes; for motifs, which one
    double noise;  // share of cells recoloured at random
};

// The motifs a design may show, as rows of '.' (ground) and 'a' 'b' 'c' (colours 1 to 3) and
// 'g' (a gold star balloon).
const std::vector<std::vector<std::string>>& motifs();

// The colours each motif looks right in, as colour letters: the ground, then 'a', 'b', 'c'.
const std::vector<std::string>& motifColours();

// Every design of the catalogue, in the order the designer meant them.
const std::vector<PuzzleDesign>& puzzleDesigns();
