#pragma once

#include <cstdint>

#include "board/cell.h"
#include "board/dsc_board.h"

namespace discada {

class DscProg;

namespace bitboard {

// One bit per playable cell in scan order: bit (column - 1) * 8 + (row - 1), so walking the set
// bits from the lowest visits cells column by column, each column from the top.
using Bits = std::uint64_t;

constexpr std::int32_t cellOf(std::int32_t column, std::int32_t row) {
    return (column - 1) * kBoardSize + (row - 1);
}
constexpr CellPos cellPosOf(std::int32_t bit) {
    return {bit / kBoardSize + 1, bit % kBoardSize + 1};
}

// The legal placements of two colours, each against the other.
struct LegalPair {
    Bits first;
    Bits second;
};

}  // namespace bitboard

// The instruction sets the bitboard is built for. Each has its own copy of the bitboard
// kernels and of the searches over them; the program picks the best one the processor has, so
// the rest of the program needs nothing beyond the basic instruction set.
enum class KernelIsa { Portable, Avx2, Avx512 };

// A search's answer on the bitboard: root value, the chosen cell as its bit (-1 when the root was
// a leaf and chose nothing) and the positions it visited, leaves included.
struct [[nodiscard]] SearchResult {
    std::int32_t value = 0;
    std::int32_t move = -1;
    std::uint64_t nodes = 0;
};

// One instruction set's entries.
struct Kernels {
    // The tree walk on the bitboard position of `match` for `computer`: every node the game's
    // rules visit.
    SearchResult (*treeWalk)(const DscProg& match, DiscColor computer, std::int32_t depth,
                             std::int32_t alpha, std::int32_t beta);
    // The walk's placement and value by the pruned search, the game's.
    SearchResult (*prunedSearch)(const DscProg& match, DiscColor computer, std::int32_t depth,
                                 std::int32_t alpha, std::int32_t beta);
    // Leaves `depth` plies below the position of `match`; a pass is a ply, a finished game a leaf.
    std::uint64_t (*perft)(const DscProg& match, std::int32_t depth);
    bitboard::LegalPair (*legalPlacements)(bitboard::Bits first, bitboard::Bits second);
    bitboard::Bits (*turnedDiscs)(std::int32_t cell, bitboard::Bits own, bitboard::Bits other);
};

bool isSupported(KernelIsa isa);
// The fastest instruction set this processor runs.
KernelIsa bestKernelIsa();
const char* nameOf(KernelIsa isa);
// Precondition: isSupported(isa).
const Kernels& kernelsFor(KernelIsa isa);

}  // namespace discada
