#pragma once

// The entries of one instruction set, for the translation unit that chose it (see kernels.h).

#include "ai/bit_position.h"
#include "ai/kernels.h"
#include "ai/perft.h"
#include "ai/pruned_search.h"
#include "ai/search_tree.h"
#include "match/dsc_prog.h"

namespace discada {
inline namespace DISCADA_KERNEL_NAMESPACE {

namespace {

FastSearchResult searchPosition(const DscProg& match, DiscColor computer, std::int32_t depth,
                                std::int32_t alpha, std::int32_t beta) {
    BitPosition position = BitPosition::of(match);
    SearchTree<BitPosition> tree(position, computer);
    FastSearchResult result;
    result.value = tree.search(depth, result.move, alpha, beta);
    result.nodes = tree.nodes();
    return result;
}

FastSearchResult prunedSearchPosition(const DscProg& match, DiscColor computer, std::int32_t depth,
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
const Kernels kKernels = {searchPosition, prunedSearchPosition, perftOf, legalPlacements,
                          turnedDiscs};

}  // namespace DISCADA_KERNEL_NAMESPACE
}  // namespace discada
