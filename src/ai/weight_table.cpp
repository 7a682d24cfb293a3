#include "ai/weight_table.h"

namespace discada {

WeightTable::WeightTable(const DscBoard& board) : board_(board) {
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            weights_[column][row] = cellWeight(column, row);
        }
    }
}

std::int32_t WeightTable::weight(std::int32_t column, std::int32_t row, DiscColor /*mover*/,
                                 std::int32_t /*movesPlayed*/) const {
    return weights_[column][row];
}

std::int32_t WeightTable::endScore(DiscColor computer) const {
    const DiscColor winner = board_.winner();
    if (winner == kEmpty) return 0;
    const std::int32_t margin = board_.discCount(winner) - board_.discCount(opponentOf(winner));
    return winner == computer ? kWinBase + margin : -kWinBase - margin;
}

std::int32_t WeightTable::mobilityScore(DiscColor computer) const {
    std::array<CellPos, kCellListCapacity> list;
    const std::int32_t own = board_.listMoves(computer, list, kMobilityCap);
    const std::int32_t other = board_.listMoves(opponentOf(computer), list, kMobilityCap);
    return mobilityDifference(own, other);
}

}  // namespace discada
