#pragma once

#include <array>
#include <bit>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "ai/kernel_namespace.h"
#include "ai/kernels.h"
#include "ai/weight_table.h"

// Whole-board operations on bit sets of cells, for the fast position of the search. Each has a
// portable form; for AVX2 the forms the search uses work on four directions at once.
namespace discada::bitboard {
DISCADA_KERNELS_BEGIN

constexpr std::int32_t kCells = 64;
// Cells off rows 1 and 8: a run moving up or down a column must not wrap into the next column.
constexpr Bits kInnerRows = 0x7E7E7E7E7E7E7E7EULL;

inline std::int32_t count(Bits b) {
#if DISCADA_KERNEL_AVX2
    return __builtin_popcountll(b);
#elif defined(__x86_64__) && !defined(__POPCNT__)
    // Without the instruction the library call is far slower than this.
    b -= (b >> 1) & 0x5555555555555555ULL;
    b = (b & 0x3333333333333333ULL) + ((b >> 2) & 0x3333333333333333ULL);
    b = (b + (b >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<std::int32_t>((b * 0x0101010101010101ULL) >> 56);
#else
    return std::popcount(b);
#endif
}

// The first `cap` set bits, lowest first.
inline Bits firstBits(Bits b, std::int32_t cap) {
    while (count(b) > cap)
        b &= ~(Bits{1} << (63 - std::countl_zero(b)));
    return b;
}

// The weight of each cell by its bit.
constexpr std::array<std::int32_t, kCells> kCellWeights = [] {
    std::array<std::int32_t, kCells> weights{};
    for (std::int32_t cell = 0; cell < kCells; ++cell) {
        const CellPos at = cellPosOf(cell);
        weights[cell] = WeightTable::cellWeight(at.column, at.row);
    }
    return weights;
}();

// The cells of one weight.
constexpr Bits cellsWeighing(std::int32_t weight) {
    Bits cells = 0;
    for (std::int32_t cell = 0; cell < kCells; ++cell) {
        if (kCellWeights[cell] == weight) cells |= Bits{1} << cell;
    }
    return cells;
}

// --- Legal placements -------------------------------------------------------------------------

template <int Step, class B>
B shifted(B b) {
    if constexpr (Step > 0) {
        return b << Step;
    } else {
        return b >> -Step;
    }
}

// Placements of `own` that close a run of `other` in one direction, all cells at once.
template <int Step, class B>
B closingPlacements(B own, B other, B empty) {
    B run = other & shifted<Step>(own);
    run |= other & shifted<Step>(run);
    // Runs of two opponent discs let the last two steps advance two cells at a time.
    const B pairs = other & shifted<Step>(other);
    run |= pairs & shifted<2 * Step>(run);
    run |= pairs & shifted<2 * Step>(run);
    return empty & shifted<Step>(run);
}

// The legal placements of `own` against `other`. B is Bits, or a compiler vector of Bits that
// answers for several boards at once. Steps: +-1 along a column, +-8 along a row, +-7 and +-9
// diagonally.
template <class B>
B legalPlacementsPortable(B own, B other) {
    const B empty = ~(own | other);
    const B inner = other & kInnerRows;
    return closingPlacements<1>(own, inner, empty) | closingPlacements<-1>(own, inner, empty) |
           closingPlacements<8>(own, other, empty) | closingPlacements<-8>(own, other, empty) |
           closingPlacements<7>(own, inner, empty) | closingPlacements<-7>(own, inner, empty) |
           closingPlacements<9>(own, inner, empty) | closingPlacements<-9>(own, inner, empty);
}

#if DISCADA_KERNEL_AVX2
inline Bits orOfLanes(__m256i v) {
    const __m128i half = _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    return static_cast<Bits>(_mm_cvtsi128_si64(half) | _mm_extract_epi64(half, 1));
}

// Directions +1, +8, +7 and +9 shifting left in one register, the opposite four shifting right;
// the placements each direction finds stay in its lane, empty cells not yet masked.
inline __m256i closingLanes(Bits own, Bits other) {
    constexpr auto kInner = static_cast<long long>(kInnerRows);
    const __m256i steps = _mm256_set_epi64x(9, 7, 8, 1);
    const __m256i doubleSteps = _mm256_add_epi64(steps, steps);
    const __m256i o = _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(other)),
                                       _mm256_set_epi64x(kInner, kInner, -1, kInner));
    const __m256i p = _mm256_set1_epi64x(static_cast<long long>(own));
    __m256i up = _mm256_and_si256(o, _mm256_sllv_epi64(p, steps));
    __m256i down = _mm256_and_si256(o, _mm256_srlv_epi64(p, steps));
    up = _mm256_or_si256(up, _mm256_and_si256(o, _mm256_sllv_epi64(up, steps)));
    down = _mm256_or_si256(down, _mm256_and_si256(o, _mm256_srlv_epi64(down, steps)));
    const __m256i pairsUp = _mm256_and_si256(o, _mm256_sllv_epi64(o, steps));
    const __m256i pairsDown = _mm256_srlv_epi64(pairsUp, steps);
    up = _mm256_or_si256(up, _mm256_and_si256(pairsUp, _mm256_sllv_epi64(up, doubleSteps)));
    down = _mm256_or_si256(down, _mm256_and_si256(pairsDown, _mm256_srlv_epi64(down, doubleSteps)));
    up = _mm256_or_si256(up, _mm256_and_si256(pairsUp, _mm256_sllv_epi64(up, doubleSteps)));
    down = _mm256_or_si256(down, _mm256_and_si256(pairsDown, _mm256_srlv_epi64(down, doubleSteps)));
    return _mm256_or_si256(_mm256_sllv_epi64(up, steps), _mm256_srlv_epi64(down, steps));
}
#endif

#if DISCADA_KERNEL_AVX2
// The placements of each colour from the lanes of its directions: [first, second] in the low 128
// bits once the occupied cells are taken out.
inline LegalPair foldedLanes(__m256i first, __m256i second, Bits occupied) {
    const __m256i halves =
        _mm256_or_si256(_mm256_unpacklo_epi64(first, second), _mm256_unpackhi_epi64(first, second));
    const __m128i both = _mm_andnot_si128(
        _mm_set1_epi64x(static_cast<long long>(occupied)),
        _mm_or_si128(_mm256_castsi256_si128(halves), _mm256_extracti128_si256(halves, 1)));
    return {static_cast<Bits>(_mm_cvtsi128_si64(both)),
            static_cast<Bits>(_mm_extract_epi64(both, 1))};
}
#endif

#if DISCADA_KERNEL_AVX512
// closingLanes for both colours in one 512-bit register, written with compiler vectors: lanes 0
// to 3 hold the directions of `first` against `second`, lanes 4 to 7 the reverse, so each step
// of the runs costs one instruction for both.
inline LegalPair legalPlacementsOfBoth(Bits first, Bits second) {
    using Lanes = Bits __attribute__((vector_size(64)));
    constexpr Bits kAll = ~Bits{0};
    const Lanes steps = {1, 8, 7, 9, 1, 8, 7, 9};
    const Lanes p = {first, first, first, first, second, second, second, second};
    const Lanes o =
        Lanes{second, second, second, second, first, first, first, first} &
        Lanes{kInnerRows, kAll, kInnerRows, kInnerRows, kInnerRows, kAll, kInnerRows, kInnerRows};
    Lanes up = o & (p << steps);
    Lanes down = o & (p >> steps);
    up |= o & (up << steps);
    down |= o & (down >> steps);
    const Lanes pairsUp = o & (o << steps);
    const Lanes pairsDown = pairsUp >> steps;
    up |= pairsUp & (up << (steps + steps));
    down |= pairsDown & (down >> (steps + steps));
    up |= pairsUp & (up << (steps + steps));
    down |= pairsDown & (down >> (steps + steps));
    const Lanes lanes = (up << steps) | (down >> steps);
    using Half = Bits __attribute__((vector_size(32)));
    const Half low = __builtin_shufflevector(lanes, lanes, 0, 1, 2, 3);
    const Half high = __builtin_shufflevector(lanes, lanes, 4, 5, 6, 7);
    return foldedLanes(reinterpret_cast<const __m256i&>(low),
                       reinterpret_cast<const __m256i&>(high), first | second);
}
#else
// The legal placements of two colours, each against the other, found together.
inline LegalPair legalPlacementsOfBoth(Bits first, Bits second) {
#if DISCADA_KERNEL_AVX2
    return foldedLanes(closingLanes(first, second), closingLanes(second, first), first | second);
#else
    // Two boards side by side, worked on by the same instructions.
    using Pair = Bits __attribute__((vector_size(16)));
    const Pair legal = legalPlacementsPortable(Pair{first, second}, Pair{second, first});
    return {legal[0], legal[1]};
#endif
}
#endif

// --- Turned discs -----------------------------------------------------------------------------

// The cells seen from each cell in each direction. Rays 0 to 3 walk towards higher bits, rays 4
// to 7 towards lower bits.
constexpr std::int32_t kDirections = 8;
constexpr std::array<std::array<std::int32_t, 2>, kDirections> kSteps = {
    {{0, 1}, {1, 0}, {1, 1}, {1, -1}, {0, -1}, {-1, 0}, {-1, -1}, {-1, 1}}};
alignas(64) constexpr std::array<std::array<Bits, kDirections>, kCells> kRays = [] {
    std::array<std::array<Bits, kDirections>, kCells> rays{};
    for (std::int32_t cell = 0; cell < kCells; ++cell) {
        for (std::int32_t d = 0; d < kDirections; ++d) {
            const CellPos from = cellPosOf(cell);
            std::int32_t column = from.column + kSteps[d][0];
            std::int32_t row = from.row + kSteps[d][1];
            while (column >= 1 && column <= kBoardSize && row >= 1 && row <= kBoardSize) {
                rays[cell][d] |= Bits{1} << cellOf(column, row);
                column += kSteps[d][0];
                row += kSteps[d][1];
            }
        }
    }
    return rays;
}();

// The run of `other` that a disc placed on `cell` turns along ray D, if a disc of `own` ends it:
// the cells before the first cell of the ray that is not `other`, which is the lowest such
// cell on rays 0 to 3 and the highest on rays 4 to 7.
template <std::int32_t D>
Bits turnedAlong(std::int32_t cell, Bits own, Bits other) {
    const Bits ray = kRays[cell][D];
    const Bits stops = ray & ~other;
    if constexpr (D < kDirections / 2) {
        const Bits first = stops & (~stops + 1);
        return (first & own) != 0 ? (first - 1) & ray : 0;
    } else {
        // Bit 0 stands in when the ray holds nothing but `other`; it is then no stop of the ray.
        const Bits first = Bits{1} << (63 - std::countl_zero(stops | 1));
        return (first & own & stops) != 0 ? ray & ~((first << 1) - 1) : 0;
    }
}

inline Bits turnedDiscsPortable(std::int32_t cell, Bits own, Bits other) {
    return turnedAlong<0>(cell, own, other) | turnedAlong<1>(cell, own, other) |
           turnedAlong<2>(cell, own, other) | turnedAlong<3>(cell, own, other) |
           turnedAlong<4>(cell, own, other) | turnedAlong<5>(cell, own, other) |
           turnedAlong<6>(cell, own, other) | turnedAlong<7>(cell, own, other);
}

// The discs of `other` that a disc of `own` placed on `cell` turns.
inline Bits turnedDiscs(std::int32_t cell, Bits own, Bits other) {
#if DISCADA_KERNEL_AVX2
    // Four rays to a register. Towards higher bits the first stop is the lowest set bit, towards
    // lower bits the highest.
    const __m256i p = _mm256_set1_epi64x(static_cast<long long>(own));
    const __m256i o = _mm256_set1_epi64x(static_cast<long long>(other));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(&kRays[cell][0]));
    const __m256i upStops = _mm256_andnot_si256(o, up);
    const __m256i upFirst = _mm256_and_si256(upStops, _mm256_sub_epi64(zero, upStops));
    const __m256i upOpen = _mm256_cmpeq_epi64(_mm256_and_si256(upFirst, p), zero);
    const __m256i upRun = _mm256_and_si256(_mm256_add_epi64(upFirst, _mm256_set1_epi64x(-1)), up);
    const __m256i down = _mm256_load_si256(reinterpret_cast<const __m256i*>(&kRays[cell][4]));
    const __m256i downStops = _mm256_andnot_si256(o, down);
#if DISCADA_KERNEL_AVX512
    // The highest stop from the count of leading zeros; bit 0 stands in when the ray holds
    // nothing but `other`, and is then no stop.
    const __m256i one = _mm256_set1_epi64x(1);
    const __m256i downFirst = _mm256_sllv_epi64(
        one, _mm256_sub_epi64(_mm256_set1_epi64x(63),
                              _mm256_lzcnt_epi64(_mm256_or_si256(downStops, one))));
    const __m256i downOpen =
        _mm256_cmpeq_epi64(_mm256_and_si256(_mm256_and_si256(downFirst, p), downStops), zero);
    const __m256i below = _mm256_sub_epi64(_mm256_add_epi64(downFirst, downFirst), one);
#else
    // Smearing the stops downwards leaves exactly the cells before the highest one clear.
    __m256i below = downStops;
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 1));
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 2));
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 4));
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 8));
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 16));
    below = _mm256_or_si256(below, _mm256_srli_epi64(below, 32));
    const __m256i downFirst = _mm256_xor_si256(below, _mm256_srli_epi64(below, 1));
    const __m256i downOpen = _mm256_cmpeq_epi64(_mm256_and_si256(downFirst, p), zero);
#endif
    const __m256i downRun = _mm256_andnot_si256(below, down);
    return orOfLanes(_mm256_or_si256(_mm256_andnot_si256(upOpen, upRun),
                                     _mm256_andnot_si256(downOpen, downRun)));
#else
    return turnedDiscsPortable(cell, own, other);
#endif
}

DISCADA_KERNELS_END
}  // namespace discada::bitboard
