#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_table.h"

namespace discada {
namespace {

using Events = std::vector<std::string>;

TEST(Undo, TakesBackThePersonsPlacementWithTheReplyAndTrimsTheList) {
    GameTable t;
    ASSERT_EQ(t.place({4, 3}), ClickResult::Done);
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
    ASSERT_EQ(t.place(legalOf(t.game.match()).front()), ClickResult::Done);
    t.command(command::kUndo);
    EXPECT_EQ(t.game.match().movesPlayed(), 1);
    EXPECT_EQ(t.window.entries.size(), 1u);
    EXPECT_EQ(t.game.match().sideToMove(), kWhite);
}

// The controller keeps the list itself: called directly, undo leaves no entry behind and tells
// how many placements it took back, or that it refused.
TEST(Undo, CalledOnTheControllerKeepsOneEntryPerPlacement) {
    ControllerTable t(GameMode::TwoPlayers);
    ASSERT_EQ(t.place({4, 3}), ClickResult::Done);
    EXPECT_TRUE(t.game.undo().refused());
    for (const CellPos cell : {CellPos{3, 3}, CellPos{3, 4}})
        ASSERT_EQ(t.place(cell), ClickResult::Done);
    EXPECT_EQ(t.game.undo().taken, 2);
    EXPECT_EQ(t.window.entries, Events{" 1手目 黒(4, 3)"});
    EXPECT_EQ(t.window.selected, 0);
}

TEST(Undo, AfterTheEndReopensTheGame) {
    GameTable t(GameMode::TwoPlayers);
    t.playToEnd(6367);
    t.command(command::kUndo);
    EXPECT_FALSE(t.game.match().isOver());
    EXPECT_EQ(std::ssize(t.window.entries), t.game.match().movesPlayed());
    EXPECT_EQ(t.place(legalOf(t.game.match()).front()), ClickResult::Done);
}

}  // namespace
}  // namespace discada
