#include "ai/bit_position.h"

#include "match/dsc_prog.h"

namespace discada {

BitPosition BitPosition::of(const DscProg& match) {
    BitPosition position;
    position.side_ = match.sideToMove();
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            const DiscColor state = match.board().stateAt(column, row);
            const Bits cell = Bits{1} << moveOf({column, row});
            if (state == position.side_) position.own_ |= cell;
            if (state == opponentOf(position.side_)) position.other_ |= cell;
        }
    }
    position.lastMover_ = match.currentMoveColor();
    position.movesPlayed_ = match.movesPlayed();
    const bitboard::LegalPair legal =
        bitboard::legalPlacementsOfBoth(position.own_, position.other_);
    position.ownLegal_ = legal.first;
    position.otherLegal_ = legal.second;
    return position;
}

}  // namespace discada
