#pragma once

// The entries of one instruction set, for the translation unit that chose it (see kernels.h).

#include "ai/bit_position.h"
#include "ai/kernels.h"
#include "ai/perft.h"
#include "ai/pruned_search.h"
#include "ai/tree_walk.h"
#include "match/dsc_prog.h"

namespace discada {
inline namespace DISCADA_KERNEL_NAMESPACE {

namespace {

SearchResult walkTree(const DscProg& match, DiscColor computer, std::int32_t depth,
                      std::int32_t alpha, std::int32_t beta) {
    BitPosition position = BitPosition::of(match);
    TreeWalk<BitPosition> walk(position, computer);
    SearchResult result;
    result.value = walk.search(depth, result.move, alpha, beta);
    result.nodes = walk.nodes();
    return result;
}

SearchResult searchPruned(const DscProg& match, DiscColor computer, std::int32_t depth,
                          std::int32_t alpha, std::int32_t beta) {
    BitPosition position = BitPosition::of(match);
    PrunedSearch search(position);
    return search.search(computer, depth, alpha, beta);
}

std::uint64_t perftOf(const DscProg& match, std::int32_t depth) {
    BitPosition position = BitPosition::of(match);
    return perft(position, depth);
}

bitboard::LegalPair legalPlacements(bitboard::Bits first, bitboard::Bits second) {
    return bitboard::legalPlacementsOfBoth(first, second);
}

bitboard::Bits turnedDiscs(std::int32_t cell, bitboard::Bits own, bitboard::Bits other) {
    return bitboard::turnedDiscs(cell, own, other);
}

}  // namespace

extern const Kernels kKernels;
const Kernels kKernels = {walkTree, searchPruned, perftOf, legalPlacements, turnedDiscs};

}  // namespace DISCADA_KERNEL_NAMESPACE
}  // namespace discada
