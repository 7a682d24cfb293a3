#include "match/match_text.h"

#include "match/dsc_prog.h"

namespace discada {

std::string boardText(const DscProg& match) {
    std::string text;
    for (std::int32_t row = 1; row <= kBoardSize; ++row) {
        for (std::int32_t column = 1; column <= kBoardSize; ++column) {
            const DiscColor state = match.board().stateAt(column, row);
            text += state == kBlack ? 'X' : state == kWhite ? 'O' : '.';
        }
        text += '\n';
    }
    return text;
}

std::string summaryLine(const DscProg& match) {
    const DscBoard& board = match.board();
    return "black=" + std::to_string(board.discCount(kBlack)) +
           " white=" + std::to_string(board.discCount(kWhite)) +
           " moves=" + std::to_string(match.movesPlayed()) +
           " status=" + std::to_string(static_cast<int>(match.status())) +
           " tomove=" + std::to_string(match.sideToMove());
}

}  // namespace discada
