#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_table.h"

namespace discada {
namespace {

using Events = std::vector<std::string>;

TEST(Undo, TakesBackThePersonsPlacementWithTheReplyAndTrimsTheList) {
    GameTable t;
    ASSERT_EQ(t.place({4, 3}), 0);
    t.window.takeEvents();
    t.command(command::kUndo);
    // Back at the start the oldest entry is selected first, so the list scrolls to it.
    EXPECT_EQ(t.window.takeEvents(),
              (Events{"list select 1", "list select -1", "list delete", "list delete", "repaint"}));
    EXPECT_EQ(t.window.selected, -1);
    EXPECT_EQ(t.game.statusText(), "あなたの番(黒)     \n\n黒： 2 \n白： 2 ");

    GameTable two(GameMode::TwoPlayers);
    for (const CellPos cell : {CellPos{4, 3}, CellPos{3, 3}, CellPos{3, 4}})
        two.place(cell);
    two.command(command::kUndo);
    EXPECT_EQ(two.window.entries, Events{" 1手目 黒(4, 3)"});
    EXPECT_EQ(two.window.selected, 0);
    EXPECT_EQ(two.game.match().sideToMove(), kWhite);
}

TEST(Undo, NeverTakesBackTheComputersOpeningPlacement) {
    GameTable t(GameMode::ComputerBlack);
    t.window.takeEvents();
    t.command(command::kUndo);
    EXPECT_EQ(t.window.takeEvents(), Events{"repaint"});
    ASSERT_EQ(t.place(legalOf(t.game.match()).front()), 0);
    EXPECT_EQ(t.game.undo(), 2);
    EXPECT_EQ(t.game.match().movesPlayed(), 1);
    EXPECT_EQ(t.game.match().sideToMove(), kWhite);
}

TEST(Undo, AfterTheEndReopensTheGame) {
    GameTable t(GameMode::TwoPlayers);
    t.playToEnd(6367);
    t.command(command::kUndo);
    EXPECT_FALSE(t.game.match().isOver());
    EXPECT_EQ(t.window.listCount(), t.game.match().movesPlayed());
    EXPECT_EQ(t.place(legalOf(t.game.match()).front()), 0);
}

}  // namespace
}  // namespace discada
