#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace discada {

class DscProg;

// A fixed position for measuring the search: a line of placements from the starting position.
struct BenchPosition {
    std::string_view name;
    std::string_view line;  // "C,R C,R ...", column then row, for whichever side is to move
};

// Early, midgame (10 to 40 placements) and late positions, reached by seeded random play.
std::span<const BenchPosition> benchPositions();

// The first placements of `count` seeded random games, each 12 to 40 placements long (passes
// included) and not over, as lines; the same on every system for the same seed.
std::vector<std::string> randomMidgameLines(std::int32_t count, std::uint32_t seed);

// Resets `match` and plays `line`; false at the first malformed or illegal placement.
bool playLine(std::string_view line, DscProg& match);

}  // namespace discada
