#pragma once

#include <cstdint>

namespace discada {

// The content of a cell and the colour of a player: 0 empty, 1 black, 2 white.
using DiscColor = std::int32_t;

constexpr DiscColor kEmpty = 0;
constexpr DiscColor kBlack = 1;
constexpr DiscColor kWhite = 2;

constexpr DiscColor opponentOf(DiscColor c) {
    return 3 - c;
}
constexpr bool isPlayerColor(DiscColor c) {
    return c == kBlack || c == kWhite;
}

// A cell named by (column, row); playable cells have both in 1 to 8.
struct CellPos {
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool operator==(const CellPos&) const = default;
};

// One grid cell: the pixel position of its top-left corner and its content.
class Cell {
public:
    void setPosition(std::int32_t x, std::int32_t y) {
        x_ = x;
        y_ = y;
    }
    std::int32_t x() const { return x_; }
    std::int32_t y() const { return y_; }
    void setState(DiscColor state) { state_ = state; }
    DiscColor state() const { return state_; }

private:
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
    DiscColor state_ = kEmpty;
};

}  // namespace discada
