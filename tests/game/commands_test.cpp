#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_table.h"

namespace discada {
namespace {

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

TEST(DispatchCommand, HandsTheShellItsCommandsAndRepaintsAfterEveryOne) {
    GameTable t;
    for (const std::uint32_t id : {800u, 810u, 900u, 0u, 5u, 1000u}) {
        t.window.takeEvents();
        t.command(id);
        EXPECT_EQ(t.window.takeEvents(), std::vector<std::string>{"repaint"}) << id;
    }
    EXPECT_EQ(t.shell.helps + t.shell.versions + t.shell.closes, 3);
    EXPECT_EQ(t.shell.helps * t.shell.versions * t.shell.closes, 1);
}

}  // namespace
}  // namespace discada
