#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "ai/bit_position.h"
#include "ai/dsc_cpu.h"
#include "fake_clock.h"
#include "match/dsc_prog.h"
#include "match/match_test_support.h"

namespace discada {

using Line = std::vector<CellPos>;

inline void PrintTo(const CellPos& cell, std::ostream* out) {
    *out << cell.column << ',' << cell.row;
}

// Every legal placement of `colour` in scan order, beyond 24 as well.
inline Line legalFor(const DscProg& match, DiscColor colour) {
    std::array<CellPos, kCellListCapacity> scratch;
    Line moves;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (match.board().findFlips(column, row, colour, scratch) > 0) {
                moves.push_back({column, row});
            }
        }
    }
    return moves;
}

inline Line allLegal(const DscProg& match) {
    return legalFor(match, match.sideToMove());
}

// Uniform random play from the start, at most `placements` placements, stopping early only at
// the end of the game.
inline Line randomLine(std::mt19937& random, std::int32_t placements) {
    DscProg match;
    match.reset();
    Line line;
    while (static_cast<std::int32_t>(line.size()) < placements && !match.isOver()) {
        const Line moves = allLegal(match);
        const CellPos m = moves[random() % moves.size()];
        EXPECT_TRUE(match.makeMove(m.column, m.row));
        line.push_back(m);
    }
    return line;
}

// Play that mostly hands the opponent as many placements as it can, which reaches positions
// with more than 24 legal placements far more often than uniform play (run on the bitboard
// position for speed). Returns the lines to every such position met in `games` games.
inline std::vector<Line> linesToWidePositions(unsigned seed, int games) {
    std::mt19937 random(seed);
    DscProg start;
    start.reset();
    std::vector<Line> found;
    for (int game = 0; game < games; ++game) {
        BitPosition position = BitPosition::of(start);
        Line line;
        while (position.allLegal() != 0) {
            const bitboard::Bits legal = position.allLegal();
            if (bitboard::count(legal) > kCellListCapacity) found.push_back(line);
            std::vector<BitPosition::Move> moves;
            for (bitboard::Bits rest = legal; rest != 0; rest &= rest - 1) {
                moves.push_back(std::countr_zero(rest));
            }
            BitPosition::Move chosen = moves[random() % moves.size()];
            if (random() % 8 != 0) {
                std::int32_t most = -1;
                for (const BitPosition::Move m : moves) {
                    const BitPosition::Undo undo = position.make(m);
                    const std::int32_t next = bitboard::count(position.allLegal());
                    position.unmake(m, undo);
                    if (next > most) {
                        most = next;
                        chosen = m;
                    }
                }
            }
            position.make(chosen);
            line.push_back(BitPosition::cellOf(chosen));
        }
    }
    return found;
}

// The lines to wide positions the tests share.
inline const std::vector<Line>& wideLines() {
    static const std::vector<Line> lines = linesToWidePositions(5, 8000);
    return lines;
}

inline void replay(DscProg& match, const Line& line) {
    match.reset();
    playLine(match, line);
}

inline std::string lineText(const Line& line) {
    std::string text = "line:";
    for (const CellPos m : line) {
        text += ' ' + std::to_string(m.column) + ',' + std::to_string(m.row);
    }
    return text;
}

// One search's answer.
struct Answer {
    CellPos choice;
    std::int32_t value = 0;
    std::uint64_t nodes = 0;
    bool operator==(const Answer&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Answer& a) {
    return out << a.choice.column << ',' << a.choice.row << " value " << a.value << " nodes "
               << a.nodes;
}

// The search of `cpu` on a copy of `match` for `computer`, from a slot holding (0, 0).
inline Answer searchOn(DscCpu& cpu, const DscProg& match, SearchKind kind, std::int32_t depth,
                       DiscColor computer) {
    cpu.copyFrom(match);
    cpu.setMode(static_cast<GameMode>(computer));
    cpu.setSearchKind(kind);
    Answer answer;
    answer.value = cpu.search(depth, answer.choice, -999, 999);
    answer.nodes = cpu.lastNodes();
    return answer;
}

}  // namespace discada
