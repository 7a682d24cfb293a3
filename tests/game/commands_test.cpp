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

TEST(DispatchCommand, MapsIdsToModesAndLevelsIgnoringTheHighHalf) {
    GameTable t;
    const std::vector<std::pair<std::uint32_t, GameMode>> modes{{110, GameMode::ComputerBlack},
                                                                {120, GameMode::TwoPlayers},
                                                                {0x10064, GameMode::ComputerWhite}};
    for (const auto& [id, mode] : modes) {
        t.command(id);
        EXPECT_EQ(t.game.mode(), mode) << id;
    }
    for (const std::int32_t level : {0, 1, 2, 3}) {
        t.command(static_cast<std::uint32_t>(200 + 10 * level));
        EXPECT_EQ(t.game.level(), level);
    }
}

TEST(DispatchCommand, HelpVersionAndCloseEachDoTheirOwnAndEveryIdRepaints) {
    const TempFolder folder("discada-commands");
    std::ofstream(folder / "readme.txt") << "help\n";
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    GameTable t;
    t.window.takeEvents();

    EXPECT_TRUE(dispatchCommand(t.game, t.window, t.shell, command::kHelp));
    std::filesystem::current_path(previous);
    ASSERT_EQ(t.opener.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(t.opener.opened[0]).filename(), "readme.txt");
    EXPECT_EQ(t.window.takeEvents(), Events{"repaint"});

    t.command(command::kVersion);
    EXPECT_EQ(t.window.takeEvents(),
              (Events{"message バージョン情報|none|DiscadaGame\tVer.1.2", "repaint"}));
    EXPECT_EQ(t.closes, 0);

    t.command(command::kClose);
    EXPECT_EQ(t.closes, 1);
    EXPECT_EQ(t.window.takeEvents(), Events{"repaint"});
    EXPECT_EQ(t.opener.opened.size(), 1u);

    for (const std::uint32_t id : {0u, 5u, 1000u}) {
        EXPECT_FALSE(dispatchCommand(t.game, t.window, t.shell, id));
        EXPECT_EQ(t.window.takeEvents(), Events{"repaint"}) << id;
    }
}

}  // namespace
}  // namespace discada
