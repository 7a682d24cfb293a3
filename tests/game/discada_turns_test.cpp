#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_table.h"

namespace discada {
namespace {

using Events = std::vector<std::string>;
const std::string kBothBlocked = "DiscadaGame|information|両者置く場所がありません。\n終局です。";
const std::string kGameOver = "終局" + std::string(16, ' ');

TEST(GameStart, PersonOpensAsBlackAtLevelOneOrTheComputerOpensInModeOne) {
    GameTable t;
    EXPECT_TRUE(t.window.menu[210].checked);
    EXPECT_FALSE(t.window.menu[200].checked || t.window.menu[220].checked ||
                 t.window.menu[400].greyed);
    EXPECT_EQ(t.window.entries.size(), 0u);
    EXPECT_EQ(t.game.statusText(), "あなたの番(黒)     \n\n黒： 2 \n白： 2 ");

    GameTable one(GameMode::ComputerBlack);
    const CellPos first = one.game.match().currentMove();
    EXPECT_EQ(one.window.entries, Events{" 1手目 黒(" + std::to_string(first.column) + ", " +
                                         std::to_string(first.row) + ")"});
    EXPECT_EQ(one.window.selected, 0);
    EXPECT_EQ(one.game.statusText(), "あなたの番(白)     \n\n黒： 4 \n白： 1 ");
    EXPECT_GE(one.clock.now, 500u);
}

TEST(BoardClick, ShowsThePersonsDiscBeforeTheReplyAndRefusesOthersSilently) {
    GameTable t;
    t.window.takeEvents();
    EXPECT_EQ(t.place({4, 4}), ClickResult::NotLegal);           // occupied
    EXPECT_EQ(t.place({1, 1}), ClickResult::NotLegal);           // brackets nothing
    EXPECT_EQ(t.session.click(57, 30), ClickResult::NotOnCell);  // between columns 1 and 2
    EXPECT_EQ(t.session.click(16, 30), ClickResult::NotOnCell);  // the frame
    EXPECT_EQ(t.session.click(450, 30), ClickResult::NotOnCell);
    EXPECT_TRUE(t.window.takeEvents().empty());
    EXPECT_EQ(t.place({4, 3}), ClickResult::Done);
    const Events events = t.window.takeEvents();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(Events(events.begin(), events.begin() + 4),
              (Events{"list insert  1手目 黒(4, 3)", "list select 0", "repaint", "paint now"}));
    EXPECT_TRUE(events[4].starts_with("list insert  2手目 白(")) << events[4];
    EXPECT_EQ(events[5], "list select 0");
}

TEST(TwoPersonGame, ShowsEachPassTheEndAndTheResultWithoutTheComputer) {
    GameTable t(GameMode::TwoPlayers);
    EXPECT_EQ(t.game.statusText(), "先手の番(黒)     \n\n黒： 2 \n白： 2 ");
    t.playToEnd(22057);  // black and white each pass once; cells stay empty at the end
    const auto shown = [&](const std::string& m) {
        return std::count(t.window.messages.begin(), t.window.messages.end(), m);
    };
    EXPECT_EQ(shown(passMessage("先手の番(黒)     ")), 1);
    EXPECT_EQ(shown(passMessage("後手の番(白)     ")), 1);
    EXPECT_EQ(Events(t.window.messages.end() - 2, t.window.messages.end()),
              (Events{kBothBlocked, "結果|information|黒：51\n白：12\n黒の勝ち"}));
    EXPECT_EQ(t.game.statusText(), kGameOver + "\n\n黒：51 \n白：12 ");
    EXPECT_EQ(std::ssize(t.window.entries), t.game.match().movesPlayed());
    EXPECT_EQ(t.clock.now, 0u);
    for (std::int32_t c = 1; c <= 8; ++c)
        EXPECT_EQ(t.place({c, 1}), ClickResult::NotLegal);

    GameTable full(GameMode::TwoPlayers);
    full.playToEnd(12);  // the 60th placement ends it 32 to 32
    EXPECT_EQ(full.window.messages.back(), "結果|information|黒：32\n白：32\n引き分け");
    EXPECT_EQ(std::count(full.window.messages.begin(), full.window.messages.end(), kBothBlocked),
              0);
    EXPECT_TRUE(full.window.entries.front().starts_with("60手目 "));
}

TEST(ComputerGame, ShutOutComputerPassesAndThePersonPlacesAgain) {
    findPassGame("CPUの番(白)     ", [](GameTable& t) {
        EXPECT_EQ(t.game.match().sideToMove(), kBlack);
        EXPECT_EQ(t.game.match().currentMoveColor(), kBlack);  // the computer did not place
    });
}

TEST(ComputerGame, ShutOutPersonPassesWhileTheComputerPlacesAgain) {
    findPassGame("あなたの番(黒)     ", [](GameTable& t) {
        EXPECT_NE(t.window.entries.at(0).find("白("), std::string::npos);
        EXPECT_NE(t.window.entries.at(1).find("白("), std::string::npos);
        EXPECT_EQ(t.window.selected, 0);
        EXPECT_EQ(t.game.match().sideToMove(), kBlack);
        // One undo takes back every computer placement and the person's before them.
        const std::int32_t before = t.game.match().movesPlayed();
        t.command(command::kUndo);
        EXPECT_GE(before - t.game.match().movesPlayed(), 3);
        EXPECT_EQ(t.game.match().sideToMove(), kBlack);
        EXPECT_EQ(std::ssize(t.window.entries), t.game.match().movesPlayed());
    });
}

TEST(ComputerGame, ClicksArrivingThroughItsMessageBoxesAreRefused) {
    GameTable t;
    t.command(command::kLevel0);
    std::vector<ClickResult> answers;
    t.window.whileMessageOpen = [&] {
        if (t.game.busy()) answers.push_back(t.place({1, 1}));
    };
    for (unsigned seed = 1; answers.empty() && seed <= 50; ++seed) {
        t.command(command::kNewGameAsBlack);
        t.playToEnd(seed);
    }
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(std::count(answers.begin(), answers.end(), ClickResult::Refused),
              std::ssize(answers));
}

// The computer's placements each take 500 ms of the clock, however fast it chose.
TEST(ComputerGame, SearchLevelsPlayToTheEndAtHalfASecondPerPlacement) {
    for (const std::int32_t level : {1, 2}) {
        GameTable t;
        t.command(levelCommand(level));
        t.playToEnd(7);
        ASSERT_TRUE(t.game.match().isOver()) << "level " << level;
        EXPECT_NE(t.window.messages.back().find("の勝ち"), std::string::npos);
        int computerPlacements = 0;
        for (std::int32_t i = 1; i < std::ssize(t.window.insertTimes); ++i) {
            if (t.game.match().moveAt(i).color != kWhite) continue;
            ++computerPlacements;
            EXPECT_GE(t.window.insertTimes[i] - t.window.insertTimes[i - 1], 500u) << i;
        }
        EXPECT_GT(computerPlacements, 20);
    }
}

TEST(Menu, LevelChecksItsItemAndSaveAtEndOpensTheDialogAfterTheResult) {
    GameTable t(GameMode::TwoPlayers);
    t.command(command::kLevel3);  // the hidden level has no item
    for (const int item : {200, 210, 220})
        EXPECT_FALSE(t.window.menu[item].checked);
    t.command(command::kLevel0);
    EXPECT_TRUE(t.window.menu[200].checked && !t.window.menu[210].checked);
    // Chosen again, the item is marked again: a desktop menu may have toggled it by itself.
    t.window.takeEvents();
    t.command(command::kLevel0);
    EXPECT_EQ(t.window.takeEvents(), (Events{"menu 200 normal", "menu 200 checked", "repaint"}));

    t.command(command::kSaveAtEnd);
    t.command(command::kSaveAtEnd);
    EXPECT_FALSE(t.game.saveAtEnd() || t.window.menu[520].checked);
    t.command(command::kSaveAtEnd);
    EXPECT_TRUE(t.game.saveAtEnd() && t.window.menu[520].checked);
    t.window.whileMessageOpen = [&] { EXPECT_TRUE(t.files.requests.empty()); };
    t.playToEnd(6367);  // nine placements leave no white disc
    EXPECT_EQ(t.window.messages,
              (Events{kBothBlocked, "結果|information|黒：13\n白：0\n黒の勝ち"}));
    EXPECT_EQ(t.files.requests.size(), 1u);  // cancelled: nothing more happens
    EXPECT_EQ(t.game.level(), 0);
}

}  // namespace
}  // namespace discada
