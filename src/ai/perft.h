#pragma once

#include <cstdint>

#include "ai/bit_position.h"
#include "ai/kernel_namespace.h"

namespace discada {
DISCADA_KERNELS_BEGIN

// The number of leaves `depth` plies below the position, where a pass is a ply of its own and a
// finished game is one leaf at whatever depth it is reached. Counts the move generator and the
// turn rules of the fast position against known totals.
inline std::uint64_t perft(BitPosition& position, std::int32_t depth) {
    if (depth == 0) return 1;
    const BitPosition::Bits legal = position.allLegal();
    if (legal == 0) return 1;
    // Every placement here leads to exactly one leaf one ply down, pass or not.
    if (depth == 1) return static_cast<std::uint64_t>(bitboard::count(legal));
    std::uint64_t leaves = 0;
    for (BitPosition::Bits rest = legal; rest != 0; rest &= rest - 1) {
        const BitPosition::Move m = std::countr_zero(rest);
        const DiscColor mover = position.sideToMove();
        const BitPosition::Undo undo = position.make(m);
        // The position already gives the mover its next turn; the opponent's pass is a ply.
        const bool opponentPassed = position.sideToMove() == mover && position.allLegal() != 0;
        leaves += opponentPassed ? perft(position, depth - 2) : perft(position, depth - 1);
        position.unmake(m, undo);
    }
    return leaves;
}

DISCADA_KERNELS_END
}  // namespace discada
