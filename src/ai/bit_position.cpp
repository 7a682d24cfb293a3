#include "ai/bit_position.h"

#include "match/dsc_prog.h"

namespace discada {

BitPosition BitPosition::of(const DscProg& match) {
    BitPosition position;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            const DiscColor state = match.board().stateAt(column, row);
            if (state != kEmpty) position.discs_[state] |= Bits{1} << moveOf({column, row});
        }
    }
    position.side_ = match.sideToMove();
    position.lastMover_ = match.currentMoveColor();
    position.movesPlayed_ = match.movesPlayed();
    position.findLegal();
    return position;
}

}  // namespace discada
