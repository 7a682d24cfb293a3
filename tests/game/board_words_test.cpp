#include "game/board_words.h"

#include <gtest/gtest.h>

#include "game_table.h"

namespace discada {
namespace {

TEST(BoardWords, TellCellsLinesOpenCellsAndTheStatusOfTheStartAndTheEnd) {
    GameTable t(GameMode::TwoPlayers);
    const DscBoard& board = t.game.match().board();
    EXPECT_EQ(cellWords(board, {4, 4}), "4列4行 白");
    EXPECT_EQ(cellWords(board, {5, 4}), "5列4行 黒");
    EXPECT_EQ(cellWords(board, {1, 8}), "1列8行 空き");
    EXPECT_EQ(rowWords(board, 4), "4行: 4列 白、5列 黒");
    EXPECT_EQ(rowWords(board, 1), "1行: 石なし");
    EXPECT_EQ(columnWords(board, 5), "5列: 4行 黒、5行 白");
    EXPECT_EQ(openCellsWords(t.game.match()), "黒の置ける場所: 4列3行、3列4行、6列5行、5列6行");
    EXPECT_EQ(statusWords(t.game.statusText()), "先手の番(黒)、黒： 2、白： 2");
    t.place({4, 3});
    EXPECT_EQ(openCellsWords(t.game.match()), "白の置ける場所: 3列3行、5列3行、3列5行");

    t.playToEnd(5);
    EXPECT_EQ(openCellsWords(t.game.match()), "終局");
    EXPECT_TRUE(statusWords(t.game.statusText()).starts_with("終局、黒："));
}

}  // namespace
}  // namespace discada
