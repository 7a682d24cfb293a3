#include "match/dsc_prog.h"

#include <cassert>

namespace discada {

DscProg::DscProg() {
    clearHistory();
}

std::int32_t DscProg::reset() {
    board_.reset();
    clearHistory();
    sideToMove_ = kBlack;
    movesPlayed_ = 0;
    redoLimit_ = 0;
    status_ = MatchStatus::Normal;
    return 0;
}

bool DscProg::makeMove(std::int32_t column, std::int32_t row) {
    std::array<CellPos, kCellListCapacity> turned;
    const std::int32_t n = board_.findFlips(column, row, sideToMove_, turned);
    if (n < 1) return false;
    board_.placeDisc(column, row, sideToMove_);
    pushMove(column, row, sideToMove_);
    for (std::int32_t i = 0; i < n; ++i) {
        board_.flipDisc(turned[i].column, turned[i].row);
        pushFlip(turned[i].column, turned[i].row, movesPlayed_);
    }
    advanceTurn();
    redoLimit_ = movesPlayed_;
    assert(isConsistent());
    return true;
}

void DscProg::advanceTurn() {
    const DiscColor mover = sideToMove_;
    ++movesPlayed_;
    sideToMove_ = opponentOf(mover);
    if (movesPlayed_ == kMaxPlacements) {
        status_ = MatchStatus::BoardFull;
        return;
    }
    if (hasLegalMove()) {
        status_ = MatchStatus::Normal;
        return;
    }
    sideToMove_ = mover;
    if (hasLegalMove()) {
        status_ = MatchStatus::Pass;
        return;
    }
    sideToMove_ = opponentOf(mover);
    status_ = MatchStatus::NoMoves;
}

bool DscProg::hasLegalMove() const {
    std::array<CellPos, kCellListCapacity> scratch;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (board_.findFlips(column, row, sideToMove_, scratch) > 0) return true;
        }
    }
    return false;
}

bool DscProg::unmakeMove() {
    if (movesPlayed_ < 1) return false;
    --movesPlayed_;
    const CellPos placed = currentMove();
    board_.removeDisc(placed.column, placed.row);
    while (currentFlipMove() == movesPlayed_) {
        const CellPos turned = currentFlip();
        board_.flipDisc(turned.column, turned.row);
        flipCursorBack();
    }
    sideToMove_ = currentMoveColor();
    moveCursorBack();
    // Two consecutive placements of one colour mean the other colour passed between them.
    status_ = currentMoveColor() == sideToMove_ ? MatchStatus::Pass : MatchStatus::Normal;
    assert(isConsistent());
    return true;
}

bool DscProg::redoMove() {
    if (movesPlayed_ >= redoLimit_) return false;
    if (moveCursorForward() != 0) return false;
    const CellPos placed = currentMove();
    board_.placeDisc(placed.column, placed.row, sideToMove_);
    while (flipCursorForward() == 0 && currentFlipMove() == movesPlayed_) {
        const CellPos turned = currentFlip();
        board_.flipDisc(turned.column, turned.row);
    }
    // The walk above stops on the first entry of the next placement, if there is one.
    if (currentFlipMove() != movesPlayed_) flipCursorBack();
    advanceTurn();
    assert(isConsistent());
    return true;
}

void DscProg::copyFrom(const DscProg& other) {
    board_ = other.board_;
    flipCursor_ = other.flipCursor_;
    flipEnd_ = other.flipEnd_;
    moveCursor_ = other.moveCursor_;
    moveEnd_ = other.moveEnd_;
    moves_ = other.moves_;
    flips_ = other.flips_;
    movesPlayed_ = other.movesPlayed_;
    redoLimit_ = other.redoLimit_;
    sideToMove_ = other.sideToMove_;
    status_ = other.status_;
}

bool DscProg::isConsistent() const {
    return countsMatchCells() && logsMatchCursors() && turnMatchesLog();
}

bool DscProg::countsMatchCells() const {
    std::int32_t counts[3] = {0, 0, 0};
    for (std::int32_t c = 0; c < board_.storageColumns(); ++c) {
        for (std::int32_t r = 0; r < board_.storageRows(); ++r) {
            const DiscColor state = board_.cellAt(c, r).state();
            if (state < kEmpty || state > kWhite) return false;
            if (state != kEmpty && !board_.isPlayable(c, r)) return false;
            ++counts[state];
        }
    }
    return counts[kBlack] == board_.discCount(kBlack) &&
           counts[kWhite] == board_.discCount(kWhite) &&
           counts[kBlack] + counts[kWhite] == 4 + movesPlayed_;
}

bool DscProg::logsMatchCursors() const {
    if (movesPlayed_ != moveCursor_ + 1 || moveCursor_ > moveEnd_ || flipCursor_ > flipEnd_) {
        return false;
    }
    if (movesPlayed_ > redoLimit_) return false;
    for (std::int32_t i = 0; i <= moveEnd_; ++i) {
        if (!isPlayerColor(moves_[i].color)) return false;
        if (i <= moveCursor_ && board_.stateAt(moves_[i].column, moves_[i].row) == kEmpty) {
            return false;
        }
    }
    // Every stored placement owns a contiguous, non-empty run of the turned-disc log.
    const std::int32_t lastOwner = flipEnd_ < 0 ? -1 : flips_[flipEnd_].moveIndex;
    if (lastOwner != moveEnd_ || (flipEnd_ >= 0 && flips_[0].moveIndex != 0)) return false;
    for (std::int32_t i = 1; i <= flipEnd_; ++i) {
        const std::int32_t step = flips_[i].moveIndex - flips_[i - 1].moveIndex;
        if (step != 0 && step != 1) return false;
    }
    return (flipCursor_ < 0 || flips_[flipCursor_].moveIndex < movesPlayed_) &&
           (flipCursor_ == flipEnd_ || flips_[flipCursor_ + 1].moveIndex >= movesPlayed_);
}

bool DscProg::turnMatchesLog() const {
    if (moveCursor_ < 0) return sideToMove_ == kBlack && status_ == MatchStatus::Normal;
    const DiscColor lastMover = moves_[moveCursor_].color;
    return status_ == MatchStatus::Pass ? sideToMove_ == lastMover
                                        : sideToMove_ == opponentOf(lastMover);
}

CellPos DscProg::currentMove() const {
    if (moveCursor_ < 0) return {0, 0};
    return {moves_[moveCursor_].column, moves_[moveCursor_].row};
}

DiscColor DscProg::currentMoveColor() const {
    return moveCursor_ < 0 ? -1 : moves_[moveCursor_].color;
}

std::int32_t DscProg::clearHistory() {
    moves_.fill({});
    flips_.fill({});
    flipCursor_ = -1;
    flipEnd_ = -1;
    moveCursor_ = -1;
    moveEnd_ = -1;
    return 0;
}

std::int32_t DscProg::pushMove(std::int32_t column, std::int32_t row, DiscColor color) {
    assert(moveCursor_ + 1 < kMaxPlacements);
    ++moveCursor_;
    moves_[moveCursor_] = {column, row, color};
    moveEnd_ = moveCursor_;
    return 0;
}

std::int32_t DscProg::moveCursorForward() {
    if (moveCursor_ == moveEnd_) return -1;
    ++moveCursor_;
    return 0;
}

std::int32_t DscProg::moveCursorBack() {
    if (moveCursor_ == -1) return -1;
    --moveCursor_;
    return 0;
}

std::int32_t DscProg::pushFlip(std::int32_t column, std::int32_t row, std::int32_t moveIndex) {
    assert(flipCursor_ + 1 < kFlipLogCapacity);
    ++flipCursor_;
    flips_[flipCursor_] = {column, row, moveIndex};
    flipEnd_ = flipCursor_;
    return 0;
}

CellPos DscProg::currentFlip() const {
    if (flipCursor_ < 0) return {0, 0};
    return {flips_[flipCursor_].column, flips_[flipCursor_].row};
}

std::int32_t DscProg::currentFlipMove() const {
    return flipCursor_ < 0 ? -1 : flips_[flipCursor_].moveIndex;
}

std::int32_t DscProg::flipCursorForward() {
    if (flipCursor_ == flipEnd_) return -1;
    ++flipCursor_;
    return 0;
}

std::int32_t DscProg::flipCursorBack() {
    if (flipCursor_ == -1) return -1;
    --flipCursor_;
    return 0;
}

}  // namespace discada
