#pragma once

// The entries of one instruction set, for the translation unit that chose it (see kernels.h and
// kernel_namespace.h).
//
// The rule that keeps the copies apart: every function compiled for an instruction set lies in
// that set's own inline namespace, so that the linker can never take one set's copy for another's
// (an AVX2 copy of a shared inline helper, picked for the whole program, would crash a processor
// without AVX2). Hence per-processor code is written only between DISCADA_KERNELS_BEGIN and
// DISCADA_KERNELS_END, which open the namespace and the target together; everything else, library
// headers included, is compiled for the basic set in every copy. A CTest test (nm over the AVX2
// and AVX-512 objects) fails on any symbol they define outside their namespace.

#include "ai/bit_position.h"
#include "ai/kernel_namespace.h"
#include "ai/kernels.h"
#include "ai/perft.h"
#include "ai/pruned_search.h"
#include "ai/tree_walk.h"
#include "match/dsc_prog.h"

namespace discada {
DISCADA_KERNELS_BEGIN

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

DISCADA_KERNELS_END
}  // namespace discada
