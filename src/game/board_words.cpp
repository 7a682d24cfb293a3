#include "game/board_words.h"

#include <array>
#include <vector>

#include "board/dsc_board.h"
#include "match/dsc_prog.h"

namespace discada {

namespace {

constexpr std::string_view kSeparator = "、";

std::string_view contentWord(DiscColor content) {
    return content == kBlack ? "黒" : content == kWhite ? "白" : "空き";
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += kSeparator;
        text += part;
    }
    return text;
}

// "LINE: N UNIT CONTENT、..." for the discs of one row or column; `cellOf` gives the cell at
// index 1 to 8 along it.
template <typename CellOf>
std::string lineWords(const DscBoard& board, std::string_view line, std::string_view unit,
                      CellOf cellOf) {
    std::vector<std::string> discs;
    for (std::int32_t i = 1; i <= kBoardSize; ++i) {
        const CellPos cell = cellOf(i);
        const DiscColor content = board.stateAt(cell.column, cell.row);
        if (content != kEmpty)
            discs.push_back(std::to_string(i) + std::string(unit) + " " +
                            std::string(contentWord(content)));
    }
    return std::string(line) + ": " + (discs.empty() ? "石なし" : joined(discs));
}

std::string cellName(CellPos cell) {
    return std::to_string(cell.column) + "列" + std::to_string(cell.row) + "行";
}

}  // namespace

std::string cellWords(const DscBoard& board, CellPos cell) {
    return cellName(cell) + " " + std::string(contentWord(board.stateAt(cell.column, cell.row)));
}

std::string rowWords(const DscBoard& board, std::int32_t row) {
    return lineWords(board, std::to_string(row) + "行", "列", [row](std::int32_t column) {
        return CellPos{column, row};
    });
}

std::string columnWords(const DscBoard& board, std::int32_t column) {
    return lineWords(board, std::to_string(column) + "列", "行", [column](std::int32_t row) {
        return CellPos{column, row};
    });
}

std::string openCellsWords(const DscProg& match) {
    if (match.isOver()) return "終局";
    const DiscColor side = match.sideToMove();
    std::vector<std::string> open;
    std::array<CellPos, kCellListCapacity> turned{};
    for (std::int32_t row = 1; row <= kBoardSize; ++row) {
        for (std::int32_t column = 1; column <= kBoardSize; ++column) {
            if (match.board().findFlips(column, row, side, turned) > 0)
                open.push_back(cellName({column, row}));
        }
    }
    return std::string(contentWord(side)) + "の置ける場所: " + joined(open);
}

std::string statusWords(std::string_view statusText) {
    std::vector<std::string> lines;
    while (!statusText.empty()) {
        const std::size_t end = statusText.find('\n');
        std::string_view line = statusText.substr(0, end);
        statusText =
            end == std::string_view::npos ? std::string_view() : statusText.substr(end + 1);
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string_view::npos) continue;
        line = line.substr(first, line.find_last_not_of(' ') - first + 1);
        lines.emplace_back(line);
    }
    return joined(lines);
}

}  // namespace discada
