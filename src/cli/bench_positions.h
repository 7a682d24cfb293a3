#pragma once

#include <span>
#include <string_view>

namespace discada {

class DscProg;

// A fixed position for measuring the search: a line of placements from the starting position.
struct BenchPosition {
    std::string_view name;
    std::string_view line;  // "C,R C,R ...", column then row, for whichever side is to move
};

// Early, midgame (10 to 40 placements) and late positions, reached by seeded random play.
std::span<const BenchPosition> benchPositions();

// Resets `match` and plays `line`; false at the first malformed or illegal placement.
bool playLine(std::string_view line, DscProg& match);

}  // namespace discada
