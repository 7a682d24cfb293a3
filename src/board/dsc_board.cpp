#include "board/dsc_board.h"

#include <array>

#include "board/disc_sheet.h"
#include "platform/surface.h"

namespace discada {

namespace {

constexpr std::int32_t kCellPixels = kDiscTile;
constexpr std::int32_t kRingCells = 2;
constexpr std::int32_t kFrameWidth = 2;
constexpr std::int32_t kLineWidth = 2;
constexpr std::int32_t kOrigin = 5;
constexpr std::int32_t kMargin = 10;

}  // namespace

DscBoard::DscBoard()
    : Board(kBoardSize, kBoardSize, kCellPixels, kCellPixels, kRingCells, kRingCells) {
    setBackgroundColor(kBoardBackground);
    setFrame(true, kFrameWidth);
    setGridLines(true, kLineWidth);
    setLineColor(kRgbBlack);
    setOrigin(kOrigin, kOrigin);
    setMargins(kMargin, kMargin, kMargin, kMargin);
    layoutCells();
}

std::int32_t DscBoard::reset() {
    for (std::int32_t c = 0; c < storageColumns(); ++c) {
        for (std::int32_t r = 0; r < storageRows(); ++r)
            cellAt(c, r).setState(kEmpty);
    }
    cellAt(4, 4).setState(kWhite);
    cellAt(5, 4).setState(kBlack);
    cellAt(4, 5).setState(kBlack);
    cellAt(5, 5).setState(kWhite);
    blackCount_ = 2;
    whiteCount_ = 2;
    return 0;
}

DiscColor DscBoard::stateAt(std::int32_t column, std::int32_t row) const {
    return isPlayable(column, row) ? cellAt(column, row).state() : kEmpty;
}

std::int32_t DscBoard::findFlips(std::int32_t column, std::int32_t row, DiscColor colour,
                                 std::span<CellPos, kCellListCapacity> list) const {
    if (!isPlayable(column, row) || !isPlayerColor(colour)) return -1;
    if (cellAt(column, row).state() != kEmpty) return -1;
    const DiscColor opponent = opponentOf(colour);
    std::int32_t n = 0;
    for (std::int32_t dc = -1; dc <= 1; ++dc) {
        for (std::int32_t dr = -1; dr <= 1; ++dr) {
            if (dc == 0 && dr == 0) continue;
            // The ring of empty cells stops every walk from a playable cell inside the storage.
            std::int32_t k = 1;
            while (cellAt(column + k * dc, row + k * dr).state() == opponent) {
                list[n + k - 1] = {column + k * dc, row + k * dr};
                ++k;
            }
            if (cellAt(column + k * dc, row + k * dr).state() == colour) n += k - 1;
        }
    }
    return n;
}

std::int32_t DscBoard::listMoves(DiscColor colour, std::span<CellPos, kCellListCapacity> list,
                                 std::int32_t capacity) const {
    std::array<CellPos, kCellListCapacity> scratch;
    std::int32_t count = 0;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (count >= capacity) return count;
            if (findFlips(column, row, colour, scratch) > 0) list[count++] = {column, row};
        }
    }
    return count;
}

std::int32_t DscBoard::placeDisc(std::int32_t column, std::int32_t row, DiscColor colour) {
    if (!isPlayable(column, row) || !isPlayerColor(colour)) return -1;
    Cell& cell = cellAt(column, row);
    if (cell.state() != kEmpty) return -1;
    cell.setState(colour);
    ++counterOf(colour);
    return 0;
}

std::int32_t DscBoard::flipDisc(std::int32_t column, std::int32_t row) {
    if (!isPlayable(column, row)) return -1;
    Cell& cell = cellAt(column, row);
    const DiscColor old = cell.state();
    if (old == kEmpty) return -1;
    cell.setState(opponentOf(old));
    ++counterOf(opponentOf(old));
    --counterOf(old);
    return 0;
}

std::int32_t DscBoard::removeDisc(std::int32_t column, std::int32_t row) {
    if (!isPlayable(column, row)) return -1;
    Cell& cell = cellAt(column, row);
    const DiscColor old = cell.state();
    if (old == kEmpty) return -1;
    --counterOf(old);
    cell.setState(kEmpty);
    return 0;
}

DiscColor DscBoard::winner() const {
    if (blackCount_ > whiteCount_) return kBlack;
    if (blackCount_ < whiteCount_) return kWhite;
    return kEmpty;
}

std::int32_t DscBoard::discCount(DiscColor colour) const {
    if (colour == kBlack) return blackCount_;
    if (colour == kWhite) return whiteCount_;
    return 0;
}

// Each disc goes to its cell's top-left corner, at the disc size of the target's scale, which the
// cell never falls short of; the copy is pixel for pixel when the sheet was made at that scale.
std::int32_t DscBoard::draw(Surface& target, const Surface& sprites) const {
    Board::draw(target, sprites);
    const GridPixels grid = gridPixels(target.scale());
    const PixelScale sheet = sprites.scale();
    const int tile = sheet.width(kDiscTile);
    const int disc = target.scale().width(kDiscTile);
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            const DiscColor state = cellAt(column, row).state();
            if (state == kEmpty) continue;
            const int tileX = sheet.pixels(state == kBlack ? kBlackTileX : kWhiteTileX);
            const Rect cell = grid.cell(column, row);
            target.copyTransparent(sprites, {tileX, 0, tileX + tile, tile},
                                   {cell.x1, cell.y1, cell.x1 + disc, cell.y1 + disc},
                                   kSpriteTransparent);
        }
    }
    return 0;
}

}  // namespace discada
