#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "board/cell.h"

namespace discada {

class DscBoard;
class DscProg;

// The board and the status panel in words, for players who cannot see the picture: what a
// screen reader says for a cell, and what it reads on request.

// "4列3行 黒": the cell's column, row and content (黒, 白 or 空き).
std::string cellWords(const DscBoard& board, CellPos cell);
// "3行: 4列 白、5列 黒": the discs of a row, from the left; "3行: 石なし" for none.
std::string rowWords(const DscBoard& board, std::int32_t row);
// "4列: 4行 白、5行 黒": the discs of a column, from the top; "4列: 石なし" for none.
std::string columnWords(const DscBoard& board, std::int32_t column);
// "黒の置ける場所: 3列4行、4列3行": where the side to move may place, row by row; "終局" once
// the game is over.
std::string openCellsWords(const DscProg& match);
// The status panel's text as one line: its lines, spaces trimmed, joined by "、".
std::string statusWords(std::string_view statusText);

}  // namespace discada
