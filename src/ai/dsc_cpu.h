#pragma once

#include <cstdint>

#include "ai/weight_table.h"
#include "match/dsc_prog.h"

namespace discada {

class Clock;

// Who plays: 0 two people, 1 the computer plays black and opens, 2 the computer plays white.
// In modes 1 and 2 the value is also the computer's colour.
enum class GameMode : std::int32_t { TwoPlayers = 0, ComputerBlack = 1, ComputerWhite = 2 };

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
    CellPos randomMove();
    CellPos searchMove();
    // The minimax search with alpha-beta cut-offs on the private match; scores are the
    // computer's. Writes the best placement of every node it finishes into `slot`.
    std::int32_t search(std::int32_t depth, CellPos& slot, std::int32_t alpha, std::int32_t beta);

    std::int32_t level() const { return level_; }
    void setLevel(std::int32_t level) { level_ = level; }
    GameMode mode() const { return mode_; }
    void setMode(GameMode mode) { mode_ = mode; }

private:
    WeightTable weights_;
    std::int32_t level_ = 1;
    GameMode mode_ = GameMode::ComputerWhite;
    Clock& clock_;
};

}  // namespace discada
