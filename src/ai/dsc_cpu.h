#pragma once

#include <cstdint>

#include "ai/weight_table.h"
#include "match/dsc_prog.h"

namespace discada {

class Clock;

// Who plays: 0 two people, 1 the computer plays black and opens, 2 the computer plays white.
// In modes 1 and 2 the value is also the computer's colour.
enum class GameMode : std::int32_t { TwoPlayers = 0, ComputerBlack = 1, ComputerWhite = 2 };

// Which search the computer runs. The tree walks visit every node the game's rules visit, on the
// bitboard position or on this object's own match making and taking back placements; they are the
// reference. The pruned search, the game's, finds the walk's placement and value on the bitboard
// with a small fraction of its nodes.
enum class SearchKind { Pruned, BitboardWalk, MatchWalk };
// Its name on the command line: "pruned", "fast" (the walk on the bitboard) or "literal".
const char* nameOf(SearchKind kind);

// Every choice of the computer takes at least this long, in milliseconds.
constexpr std::uint32_t kMinimumChoiceMilliseconds = 500;

// Sleeps away what is left of the minimum choice time since `start`, a reading of `clock`.
// The elapsed time is taken modulo 2^32, so a wrap of the counter between readings is harmless.
void padChoiceTime(Clock& clock, std::uint32_t start);

// The computer player. Its match part is a private copy of the live match on which it searches;
// the live match is never changed.
class DscCpu : public DscProg {
public:
    explicit DscCpu(Clock& clock);
    // The weight table refers to this object's own board.
    DscCpu(const DscCpu&) = delete;
    DscCpu& operator=(const DscCpu&) = delete;

    // The computer's placement in the live match: random at level 0 and for the first placement
    // of a game, otherwise searched; never returned sooner than 500 ms after the call.
    // Precondition: the side to move in `live` has a legal placement.
    CellPos think(const DscProg& live);
    // A legal placement of the side to move, drawn with a generator seeded from the calendar
    // second; (0, 0) when there is none.
    CellPos randomMove();
    // The searched placement of the side to move, at the depth of the level.
    CellPos searchMove();
    // The minimax search with alpha-beta cut-offs of the private match's position, by the search
    // kind set (the pruned search unless set otherwise); scores are the computer's. Leaves the
    // root's choice in `slot`, or nothing when the root is a leaf.
    std::int32_t search(std::int32_t depth, CellPos& slot, std::int32_t alpha, std::int32_t beta);

    // Whether think chooses at random for the live match rather than searching.
    bool choosesAtRandom(const DscProg& live) const;
    // 3 at level 1, 5 at level 2, 10 at any other level.
    std::int32_t searchDepth() const;

    std::int32_t level() const { return level_; }
    void setLevel(std::int32_t level) { level_ = level; }
    GameMode mode() const { return mode_; }
    void setMode(GameMode mode) { mode_ = mode; }
    SearchKind searchKind() const { return searchKind_; }
    void setSearchKind(SearchKind kind) { searchKind_ = kind; }

    // The root value and the positions visited, leaves included, of the latest search.
    std::int32_t lastValue() const { return lastValue_; }
    std::uint64_t lastNodes() const { return lastNodes_; }

private:
    WeightTable weights_;
    std::int32_t level_ = 1;
    GameMode mode_ = GameMode::ComputerWhite;
    Clock& clock_;
    SearchKind searchKind_ = SearchKind::Pruned;
    std::int32_t lastValue_ = 0;
    std::uint64_t lastNodes_ = 0;
};

}  // namespace discada
