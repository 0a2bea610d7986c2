// PuzzleSolver.cpp: fewest-click solutions, replays and random play over the compact Puzzle rules.
#include "PuzzleSolver.h"

#include "SolverBoard.h"

#include <algorithm>
#include <random>
#include <unordered_map>
#include <unordered_set>

namespace {

using Groups = std::array<SolverBoard::Group, SolverBoard::kCells / 2>;

// No solution can use fewer clicks than this; -1 when the board can never be solved.
int lowerBound(const SolverBoard& board) {
    switch (board.goal()) {
    case PuzzleGoal::PopAll: {
        std::array<int, 7> perColour{};
        for (int row = 0; row < puzzle::kRows; ++row) {
            for (int column = 0; column < puzzle::kColumns; ++column) {
                const int colour = board.colour(row, column);
                if (colour >= 0) {
                    ++perColour[static_cast<std::size_t>(colour)];
                }
            }
        }
        int bound = 0;
        for (int count : perColour) {
            if (count == 1) {
                return -1; // a lone balloon of its colour can never pop
            }
            bound += count > 0 ? 1 : 0;
        }
        return bound;
    }
    case PuzzleGoal::PopGold: {
        const int gold = board.goldLeft();
        return gold == 1 ? -1 : (gold > 0 ? 1 : 0);
    }
    case PuzzleGoal::PrizesOnTargets:
        return board.prizesReleased() < board.prizeCount() ? 1 : 0;
    }
    return 0;
}

// How far a board seems from its goal, for the beam search (smaller is closer).
double estimate(const SolverBoard& board) {
    Groups groups;
    const int groupCount = board.groups(groups);
    double score = 0.0;
    switch (board.goal()) {
    case PuzzleGoal::PopAll:
        score = board.balloons() + 0.5 * groupCount;
        break;
    case PuzzleGoal::PopGold: {
        // Gold balloons close together are close to popping.
        std::vector<std::pair<int, int>> gold;
        for (int row = 0; row < puzzle::kRows; ++row) {
            for (int column = 0; column < puzzle::kColumns; ++column) {
                if (board.colour(row, column) == puzzle::kGold) {
                    gold.emplace_back(row, column);
                }
            }
        }
        for (const auto& [r, c] : gold) {
            int nearest = 30;
            for (const auto& [r2, c2] : gold) {
                if (r2 != r || c2 != c) {
                    nearest = std::min(nearest, std::abs(r - r2) + std::abs(c - c2));
                }
            }
            score += 4.0 + nearest;
        }
        score += 0.05 * board.balloons();
        break;
    }
    case PuzzleGoal::PrizesOnTargets:
        for (int row = 0; row < puzzle::kRows; ++row) {
            for (int column = 0; column < puzzle::kColumns; ++column) {
                const int prize = board.prize(row, column);
                if (prize < 0) {
                    continue;
                }
                int distance = 30;
                for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
                    if (board.target(slot) == prize) {
                        distance = std::min(distance, std::abs(slot - column));
                    }
                }
                score += 10.0 + 3.0 * distance + 0.3 * row;
            }
        }
        score += 0.05 * board.balloons();
        break;
    }
    return score;
}

struct BeamNode {
    SolverBoard board;
    std::vector<PuzzleMove> moves;
    double score;
};

std::vector<PuzzleMove> beamSearch(const PuzzleLevel& level, int width) {
    std::vector<BeamNode> beam{{SolverBoard(level), {}, 0.0}};
    for (int depth = 0; depth < MoveRecord::kCapacity && !beam.empty(); ++depth) {
        std::vector<BeamNode> next;
        std::unordered_set<uint64_t> seen;
        for (const BeamNode& node : beam) {
            Groups groups;
            const int count = node.board.groups(groups);
            for (int g = 0; g < count; ++g) {
                SolverBoard child = node.board;
                const auto outcome = child.click(groups[static_cast<std::size_t>(g)].row,
                                                 groups[static_cast<std::size_t>(g)].column);
                std::vector<PuzzleMove> moves = node.moves;
                moves.push_back(
                    {groups[static_cast<std::size_t>(g)].row, groups[static_cast<std::size_t>(g)].column});
                if (outcome == SolverBoard::Outcome::Solved) {
                    return moves;
                }
                if (outcome != SolverBoard::Outcome::Playing || lowerBound(child) < 0 ||
                    !seen.insert(child.hash()).second) {
                    continue;
                }
                const double score = estimate(child);
                next.push_back({child, std::move(moves), score});
            }
        }
        const std::size_t keep = std::min(next.size(), static_cast<std::size_t>(std::max(width, 1)));
        std::partial_sort(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(keep), next.end(),
                          [](const BeamNode& a, const BeamNode& b) { return a.score < b.score; });
        next.erase(next.begin() + static_cast<std::ptrdiff_t>(keep), next.end());
        beam = std::move(next);
    }
    return {};
}

// Depth-limited search with a table of the deepest limit each state has already failed.
class DeepeningSearch {
public:
    DeepeningSearch(long long budget)
        : m_budget(budget) {}

    // A solution of at most `limit` clicks; `exhausted` tells whether the budget ran out.
    bool search(const SolverBoard& start, int limit, std::vector<PuzzleMove>& moves) {
        m_path.clear();
        return visit(start, limit, moves);
    }
    bool exhausted() const { return m_nodes >= m_budget; }
    long long nodes() const { return m_nodes; }

private:
    bool visit(const SolverBoard& board, int remaining, std::vector<PuzzleMove>& moves) {
        if (m_nodes >= m_budget) {
            return false;
        }
        ++m_nodes;
        const int bound = lowerBound(board);
        if (bound < 0 || bound > remaining) {
            return false;
        }
        const uint64_t key = board.hash();
        if (auto found = m_failed.find(key); found != m_failed.end() && found->second >= remaining) {
            return false;
        }
        Groups groups;
        const int count = board.groups(groups);
        std::sort(groups.begin(), groups.begin() + count,
                  [](const SolverBoard::Group& a, const SolverBoard::Group& b) { return a.size > b.size; });
        for (int g = 0; g < count; ++g) {
            const SolverBoard::Group& group = groups[static_cast<std::size_t>(g)];
            SolverBoard child = board;
            const auto outcome = child.click(group.row, group.column);
            m_path.push_back({group.row, group.column});
            if (outcome == SolverBoard::Outcome::Solved) {
                moves = m_path;
                return true;
            }
            if (outcome == SolverBoard::Outcome::Playing && remaining > 1 &&
                visit(child, remaining - 1, moves)) {
                return true;
            }
            m_path.pop_back();
        }
        if (m_nodes < m_budget) {
            m_failed[key] = remaining;
        }
        return false;
    }

    long long m_budget;
    long long m_nodes = 0;
    std::vector<PuzzleMove> m_path;
    std::unordered_map<uint64_t, int> m_failed;
};

} // namespace

SolveResult solvePuzzle(const PuzzleLevel& level, const SolveOptions& options) {
    SolveResult result;
    const SolverBoard start(level);
    const int bound = lowerBound(start);
    if (bound < 0) {
        result.proven = true;
        return result;
    }
    result.moves = beamSearch(level, options.beamWidth);
    if (options.randomTries > 0) {
        RandomPlay play = randomPlay(level, options.randomTries, 1u);
        if (!play.shortest.empty() && (result.moves.empty() || play.shortest.size() < result.moves.size())) {
            result.moves = std::move(play.shortest);
        }
    }
    result.solved = !result.moves.empty();
    const int best = result.solved ? static_cast<int>(result.moves.size()) : MoveRecord::kCapacity + 1;
    DeepeningSearch search(options.nodeBudget);
    for (int limit = std::max(bound, 1); limit < best; ++limit) {
        std::vector<PuzzleMove> moves;
        if (search.search(start, limit, moves)) {
            result.moves = std::move(moves);
            result.solved = true;
            result.proven = true;
            result.nodes = search.nodes();
            return result;
        }
        if (search.exhausted()) {
            result.nodes = search.nodes();
            return result;
        }
    }
    // Every shorter limit failed in full: the beam's solution is the shortest (or none exists
    // within the record's capacity).
    result.proven = true;
    result.nodes = search.nodes();
    return result;
}

bool replaySolves(const PuzzleLevel& level, const std::vector<PuzzleMove>& moves) {
    SolverBoard board(level);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto outcome = board.click(moves[i].row, moves[i].column);
        if (outcome == SolverBoard::Outcome::Solved) {
            return i + 1 == moves.size();
        }
        if (outcome != SolverBoard::Outcome::Playing) {
            return false;
        }
    }
    return false;
}

RandomPlay randomPlay(const PuzzleLevel& level, int tries, uint32_t seed) {
    RandomPlay play;
    std::mt19937 random(seed);
    const SolverBoard start(level);
    std::vector<PuzzleMove> moves;
    for (int t = 0; t < tries; ++t) {
        SolverBoard board = start;
        ++play.tries;
        moves.clear();
        for (int click = 0; click < 400; ++click) {
            Groups groups;
            const int count = board.groups(groups);
            if (count == 0) {
                break;
            }
            const auto& group = groups[std::uniform_int_distribution<int>(0, count - 1)(random)];
            const auto outcome = board.click(group.row, group.column);
            moves.push_back({group.row, group.column});
            if (outcome == SolverBoard::Outcome::Solved) {
                ++play.successes;
                if (play.shortest.empty() || moves.size() < play.shortest.size()) {
                    play.shortest = moves;
                }
                break;
            }
            if (outcome == SolverBoard::Outcome::Failed) {
                break;
            }
        }
    }
    return play;
}
