#pragma once

#include <cstdint>

#include "ai/bit_position.h"

namespace discada {

// The number of leaves `depth` plies below the position, where a pass is a ply of its own and a
// finished game is one leaf at whatever depth it is reached. Counts the move generator and the
// turn rules of the fast position against known totals.
std::uint64_t perft(BitPosition& position, std::int32_t depth);

}  // namespace discada
