#pragma once

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "match/dsc_prog.h"
#include "match/match_text.h"

namespace discada {

// Everything a take-back must restore, in comparable form.
struct Snapshot {
    std::vector<DiscColor> cells;
    std::array<std::int32_t, 2> counts{};
    DiscColor sideToMove = 0;
    int status = 0;
    std::array<std::int32_t, 3> cursors{};  // moveCursor, flipCursor, movesPlayed
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot snapshotOf(const DscProg& match) {
    Snapshot s;
    for (std::int32_t c = 0; c < match.board().storageColumns(); ++c) {
        for (std::int32_t r = 0; r < match.board().storageRows(); ++r) {
            s.cells.push_back(match.board().cellAt(c, r).state());
        }
    }
    s.counts = {match.board().discCount(kBlack), match.board().discCount(kWhite)};
    s.sideToMove = match.sideToMove();
    s.status = static_cast<int>(match.status());
    s.cursors = {match.moveCursor(), match.flipCursor(), match.movesPlayed()};
    return s;
}

inline std::string boardDump(const DscProg& match) {
    return "\n" + boardText(match) + summaryLine(match) + "\n";
}

inline std::vector<CellPos> legalOf(const DscProg& match) {
    std::array<CellPos, kCellListCapacity> list;
    const std::int32_t n = match.board().listMoves(match.sideToMove(), list, kCellListCapacity);
    return {list.begin(), list.begin() + n};
}

inline CellPos firstLegal(const DscProg& match) {
    return legalOf(match).at(0);
}

inline void playRandom(DscProg& match, std::mt19937& random) {
    const std::vector<CellPos> moves = legalOf(match);
    ASSERT_FALSE(moves.empty()) << boardDump(match);
    const CellPos m =
        moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
    ASSERT_TRUE(match.makeMove(m.column, m.row));
    ASSERT_TRUE(match.isConsistent()) << boardDump(match);
}

inline void playLine(DscProg& match, const std::vector<CellPos>& line) {
    for (const CellPos m : line)
        ASSERT_TRUE(match.makeMove(m.column, m.row)) << boardDump(match);
}

inline void checkInvariants(const DscProg& match) {
    EXPECT_TRUE(match.isConsistent()) << boardDump(match);
}

// Random games from a fixed seed until one reaches a pass; the line that leads to it.
inline std::vector<CellPos> findLineWithPass(DscProg& scratch, unsigned seed = 1) {
    std::mt19937 random(seed);
    for (int game = 0; game < 1000; ++game) {
        scratch.reset();
        std::vector<CellPos> line;
        while (!scratch.isOver()) {
            const std::vector<CellPos> moves = legalOf(scratch);
            const CellPos m =
                moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
            EXPECT_TRUE(scratch.makeMove(m.column, m.row));
            line.push_back(m);
            if (scratch.status() == MatchStatus::Pass) {
                scratch.reset();
                return line;
            }
        }
    }
    scratch.reset();
    return {};
}

}  // namespace discada
