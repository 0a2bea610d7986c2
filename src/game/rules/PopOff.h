// PopOff.h: the balloons left on a won board popped one by one in random places.
#pragma once

#include <optional>

class BalloonBoard;

struct BoardPlace {
    int row = 0;
    int column = 0;
};

// Occupied places whose balloon is not popping yet: the most a pop-off step may take.
int countPoppable(const BalloonBoard& board);

// A random place (row, then column, from the game's random generator); when it holds nothing
// that can pop, the search walks down the rows, wrapping, and on to the next column after a full
// turn. It visits each place at most once, so it always ends: nothing when no balloon can pop.
std::optional<BoardPlace> findRandomPoppable(const BalloonBoard& board);
