#include "cli/bench_positions.h"

#include <array>
#include <cassert>
#include <random>

#include "cli/command_args.h"
#include "match/dsc_prog.h"

namespace discada {

namespace {

constexpr std::array<BenchPosition, 13> kPositions = {{
    {"early-6", "3,4 5,3 6,6 2,4 5,2 4,6"},
    {"early-8", "5,6 4,6 3,7 6,4 3,3 3,4 2,3 4,7"},
    {"midgame-12", "4,3 3,3 5,6 4,6 2,3 6,5 6,6 6,4 3,4 2,2 2,1 4,2"},
    {"midgame-16", "4,3 3,5 6,6 6,5 4,6 3,7 2,6 5,3 7,5 7,6 6,4 3,2 5,2 8,5 3,4 2,5"},
    {"midgame-20",
     "5,6 4,6 3,6 6,6 6,4 7,4 3,3 2,7 7,6 4,3 4,2 8,6 7,3 4,1 7,7 6,5 5,1 "
     "7,2 2,6 1,6"},
    {"midgame-24",
     "5,6 6,4 4,3 3,2 6,3 3,4 5,3 4,6 7,5 7,4 7,3 6,2 4,2 4,1 2,3 8,4 6,5 "
     "6,6 8,5 2,4 8,2 1,2 5,1 7,6"},
    {"midgame-28",
     "4,3 3,5 4,6 5,7 2,6 5,3 4,7 2,4 6,5 5,6 6,7 7,5 8,5 6,4 5,2 4,2 7,4 "
     "5,8 3,1 3,7 2,7 1,7 1,3 4,8 3,4 6,8 2,8 7,6"},
    {"midgame-32",
     "5,6 6,6 6,5 6,4 5,3 4,3 7,5 6,3 7,2 4,6 5,7 7,7 3,4 8,5 7,6 3,5 7,4 "
     "8,1 5,2 7,3 8,8 2,4 2,6 7,8 4,7 5,1 2,3 3,6 6,7 4,2 6,8 2,2"},
    {"midgame-36",
     "5,6 6,4 3,3 4,6 5,3 4,3 7,4 6,2 3,2 6,7 5,2 4,2 5,7 6,8 3,1 8,4 4,7 "
     "2,2 7,3 6,6 5,1 3,4 2,3 1,4 3,5 3,6 6,5 7,6 8,3 4,8 7,7 8,6 8,5 7,5 "
     "1,1 7,1"},
    {"midgame-40",
     "6,5 6,6 4,3 3,3 5,6 6,4 2,3 5,7 7,6 3,5 7,4 8,3 7,7 3,4 5,3 4,6 6,7 "
     "6,2 5,8 8,6 8,5 1,2 3,6 8,8 1,3 8,7 5,2 2,6 7,5 2,2 2,5 7,3 1,7 1,6 "
     "8,4 2,4 3,7 4,8 4,7 1,8"},
    {"late-46",
     "4,3 3,5 3,6 3,7 6,5 6,3 2,5 7,6 5,3 1,4 3,8 2,7 1,5 4,2 7,5 1,6 3,3 "
     "4,7 5,8 2,4 6,4 2,6 1,8 6,2 3,4 2,8 7,1 6,1 1,3 4,6 5,6 5,2 7,3 8,6 "
     "1,7 8,4 7,4 8,5 3,2 3,1 5,7 8,1 5,1 4,8 2,2 2,3"},
    {"late-50",
     "4,3 3,5 4,6 5,7 4,7 5,3 6,5 4,8 3,7 6,3 2,5 2,4 5,2 2,7 7,3 6,6 3,4 "
     "6,2 2,3 7,5 5,6 8,3 2,8 4,2 3,3 3,6 7,7 3,2 3,1 2,1 6,1 2,6 1,6 4,1 "
     "7,2 8,1 7,6 6,7 3,8 8,7 6,4 1,7 8,6 1,5 1,3 1,2 1,1 7,4 6,8 1,8"},
    {"late-54",
     "3,4 3,3 5,6 6,6 3,2 2,4 3,5 2,6 7,7 3,1 2,2 1,2 1,4 5,3 2,5 5,7 4,6 "
     "2,3 4,3 3,7 4,7 8,8 6,8 6,7 2,8 3,6 5,8 4,8 2,7 1,8 6,4 1,5 6,2 7,3 "
     "1,7 6,5 1,3 1,6 7,6 3,8 8,4 7,1 5,1 7,8 4,1 8,6 7,4 7,5 1,1 6,3 2,1 "
     "8,3 8,2 4,2"},
}};

constexpr std::int32_t kFewestRandomPlacements = 12;
constexpr std::int32_t kMostRandomPlacements = 40;

}  // namespace

std::span<const BenchPosition> benchPositions() {
    return kPositions;
}

std::vector<std::string> randomMidgameLines(std::int32_t count, std::uint32_t seed) {
    // The engine's sequence is fixed by the standard; reducing it by a remainder keeps it so.
    std::mt19937 random(seed);
    constexpr std::int32_t kSpread = kMostRandomPlacements - kFewestRandomPlacements + 1;
    std::vector<std::string> lines;
    DscProg match;
    std::array<CellPos, kCellListCapacity> moves;
    while (static_cast<std::int32_t>(lines.size()) < count) {
        const auto placements =
            kFewestRandomPlacements + static_cast<std::int32_t>(random() % kSpread);
        match.reset();
        std::string line;
        while (match.movesPlayed() < placements && !match.isOver()) {
            const std::int32_t n =
                match.board().listMoves(match.sideToMove(), moves, kCellListCapacity);
            const CellPos m = moves[random() % static_cast<std::uint32_t>(n)];
            [[maybe_unused]] const bool made = match.makeMove(m.column, m.row);
            assert(made);
            if (!line.empty()) line += ' ';
            line += std::to_string(m.column) + ',' + std::to_string(m.row);
        }
        if (!match.isOver()) lines.push_back(line);
    }
    return lines;
}

bool playLine(std::string_view line, DscProg& match) {
    match.reset();
    while (!line.empty()) {
        const std::size_t end = line.find(' ');
        const std::string_view placement = line.substr(0, end);
        line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
        const std::size_t comma = placement.find(',');
        if (comma == std::string_view::npos) return false;
        const auto column = parseInteger(placement.substr(0, comma));
        const auto row = parseInteger(placement.substr(comma + 1));
        if (!column || !row || *column < 1 || *column > kBoardSize || *row < 1 ||
            *row > kBoardSize || !match.makeMove(*column, *row)) {
            return false;
        }
    }
    return true;
}

}  // namespace discada
