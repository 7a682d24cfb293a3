#include "ai/dsc_cpu.h"

#include <array>
#include <cassert>
#include <random>

#include "ai/kernels.h"
#include "ai/match_position.h"
#include "ai/tree_walk.h"
#include "platform/clock.h"

namespace discada {

namespace {

constexpr std::int32_t kDepthLevel1 = 3;
constexpr std::int32_t kDepthLevel2 = 5;
constexpr std::int32_t kDepthOtherLevels = 10;

}  // namespace

const char* nameOf(SearchKind kind) {
    switch (kind) {
        case SearchKind::Pruned:
            return "pruned";
        case SearchKind::BitboardWalk:
            return "fast";
        case SearchKind::MatchWalk:
            return "literal";
    }
    return "?";
}

void padChoiceTime(Clock& clock, std::uint32_t start) {
    const std::uint32_t elapsed = clock.milliseconds() - start;
    if (elapsed < kMinimumChoiceMilliseconds) clock.sleep(kMinimumChoiceMilliseconds - elapsed);
}

DscCpu::DscCpu(Clock& clock) : weights_(board()), clock_(clock) {
}

CellPos DscCpu::think(const DscProg& live) {
    copyFrom(live);
    const std::uint32_t start = clock_.milliseconds();
    const CellPos choice = choosesAtRandom(live) ? randomMove() : searchMove();
    padChoiceTime(clock_, start);
    return choice;
}

bool DscCpu::choosesAtRandom(const DscProg& live) const {
    return level_ == 0 || live.movesPlayed() == 0;
}

std::int32_t DscCpu::searchDepth() const {
    if (level_ == 1) return kDepthLevel1;
    if (level_ == 2) return kDepthLevel2;
    return kDepthOtherLevels;
}

CellPos DscCpu::randomMove() {
    std::array<CellPos, kCellListCapacity> list;
    const std::int32_t count = board().listMoves(sideToMove(), list, kCellListCapacity);
    if (count == 0) return {0, 0};
    // Reseeded before every draw: two choices within one calendar second draw the same number.
    std::minstd_rand generator(
        static_cast<std::minstd_rand::result_type>(clock_.calendarSeconds()));
    const std::minstd_rand::result_type r = generator();
    return list[r % static_cast<std::minstd_rand::result_type>(count)];
}

CellPos DscCpu::searchMove() {
    CellPos slot{};
    search(searchDepth(), slot, -kSearchInfinity, kSearchInfinity);
    return slot;
}

std::int32_t DscCpu::search(std::int32_t depth, CellPos& slot, std::int32_t alpha,
                            std::int32_t beta) {
    const DiscColor computer = static_cast<DiscColor>(mode_);
    assert(isPlayerColor(computer));
    if (searchKind_ == SearchKind::MatchWalk) {
        MatchPosition position(*this, weights_);
        TreeWalk<MatchPosition> walk(position, computer);
        lastValue_ = walk.search(depth, slot, alpha, beta);
        lastNodes_ = walk.nodes();
        return lastValue_;
    }
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    const SearchResult result =
        (searchKind_ == SearchKind::BitboardWalk ? kernels.treeWalk : kernels.prunedSearch)(
            *this, computer, depth, alpha, beta);
    lastValue_ = result.value;
    lastNodes_ = result.nodes;
    // A search that ends at its root leaves the caller's slot untouched.
    if (result.move >= 0) slot = bitboard::cellPosOf(result.move);
    return lastValue_;
}

}  // namespace discada
