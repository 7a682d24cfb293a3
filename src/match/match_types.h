#pragma once

#include <cstdint>

namespace discada {

// One placement of the history: where a disc was placed and its colour.
struct MoveRecord {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t color = 0;
    bool operator==(const MoveRecord&) const = default;
};

// One disc turned over, and the index of the placement that turned it.
struct FlipRecord {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t moveIndex = 0;
    bool operator==(const FlipRecord&) const = default;
};

// The outcome of the last placement; NoMoves and BoardFull end the game.
enum class MatchStatus : std::int32_t { Normal = 0, Pass = 1, NoMoves = 2, BoardFull = 3 };

// A game has at most 60 placements: the board starts with 60 empty cells.
constexpr std::int32_t kMaxPlacements = 60;
// One placement turns at most 19 discs, so the whole game turns at most 60 x 19.
constexpr std::int32_t kMaxTurnedDiscs = 19;
constexpr std::int32_t kFlipLogCapacity = kMaxPlacements * kMaxTurnedDiscs;

}  // namespace discada
