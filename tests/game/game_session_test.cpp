#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game_table.h"
#include "temp_folder.h"

namespace discada {
namespace {

using Events = std::vector<std::string>;

TEST(GameSession, MapsIdsToModesAndLevelsIgnoringTheHighHalf) {
    GameTable t;
    const std::vector<std::pair<std::uint32_t, GameMode>> modes{{110, GameMode::ComputerBlack},
                                                                {120, GameMode::TwoPlayers},
                                                                {0x10064, GameMode::ComputerWhite}};
    for (const auto& [id, mode] : modes) {
        EXPECT_TRUE(t.command(id));
        EXPECT_EQ(t.game.mode(), mode) << id;
    }
    const std::vector<std::pair<std::uint32_t, std::int32_t>> levels{
        {200, 0}, {210, 1}, {220, 2}, {0x200E6, 3}};
    for (const auto& [id, level] : levels) {
        EXPECT_TRUE(t.command(id));
        EXPECT_EQ(t.game.level(), level) << id;
    }
}

TEST(GameSession, HelpVersionAndCloseEachDoTheirOwnAndEveryIdRepaints) {
    const TempFolder folder("discada-commands");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    GameTable t;
    t.window.takeEvents();

    // The page puts the help file where help looks only when asked, just before.
    t.beforeHelp = [&] { std::ofstream(folder / "readme.txt") << "help\n"; };
    EXPECT_TRUE(t.command(command::kHelp));
    std::filesystem::current_path(previous);
    ASSERT_EQ(t.opener.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(t.opener.opened[0]).filename(), "readme.txt");
    EXPECT_EQ(t.window.takeEvents(), Events{"repaint"});

    t.command(command::kVersion);
    EXPECT_EQ(t.window.takeEvents(),
              (Events{"message バージョン情報|none|DiscadaGame\tVer.1.2", "repaint"}));
    EXPECT_EQ(t.closes, 0);

    for (const std::uint32_t id : {0u, 5u, 1000u}) {
        EXPECT_FALSE(t.command(id));
        EXPECT_EQ(t.window.takeEvents(), Events{"repaint"}) << id;
    }

    t.command(command::kClose);
    EXPECT_EQ(t.closes, 1);
    EXPECT_EQ(t.window.takeEvents(), Events{"repaint"});
    EXPECT_EQ(t.opener.opened.size(), 1u);
}

TEST(GameSession, PlacesOnACellChosenWithoutAPointerAsAClickThereAndSaysWhatItTurned) {
    GameTable t;
    EXPECT_EQ(t.session.place({0, 3}), ClickResult::NotOnCell);
    EXPECT_EQ(t.session.place({4, 9}), ClickResult::NotOnCell);
    EXPECT_EQ(t.session.place({1, 1}), ClickResult::NotLegal);
    EXPECT_TRUE(t.window.announcements.empty());
    EXPECT_EQ(t.session.place({4, 3}), ClickResult::Done);
    // The computer answered, and both placements were announced with the discs they turned.
    ASSERT_EQ(t.window.entries.size(), 2u);
    ASSERT_EQ(t.window.announcements.size(), 2u);
    EXPECT_EQ(t.window.announcements[0], "1手目 黒(4, 3)、1枚返しました");
    EXPECT_TRUE(t.window.announcements[1].starts_with(t.window.entries[0].substr(1) + "、"))
        << t.window.announcements[1];
    // White kept one disc of its two, and has its new one and those it turned.
    const std::int32_t turned = t.game.match().board().discCount(kWhite) - 2;
    EXPECT_TRUE(t.window.announcements[1].ends_with(std::to_string(turned) + "枚返しました"));
}

TEST(GameSession, TakesNoInputOnceClosed) {
    GameTable t;
    EXPECT_TRUE(t.command(command::kClose + 0x10000));
    t.window.takeEvents();
    EXPECT_FALSE(t.command(command::kClose));
    t.session.close();  // the page's close box after the menu's close
    EXPECT_FALSE(t.command(command::kNewGameAsWhite));
    EXPECT_EQ(t.place({4, 3}), ClickResult::Refused);
    EXPECT_EQ(t.session.place({4, 3}), ClickResult::Refused);
    EXPECT_EQ(t.session.restore(t.session.snapshot()), RestoreResult::NotNow);
    EXPECT_EQ(t.closes, 1);
    EXPECT_TRUE(t.window.takeEvents().empty());
    EXPECT_EQ(t.game.match().movesPlayed(), 0);
}

}  // namespace
}  // namespace discada
