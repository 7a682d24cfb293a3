#pragma once

#include <array>
#include <cstdint>

#include "ai/dsc_cpu.h"

namespace discada {

// Command ids shared by the menu, the accelerator keys and the replay buttons.
namespace command {
constexpr int kNewGameAsBlack = 100;
constexpr int kNewGameAsWhite = 110;
constexpr int kNewGameTwoPlayers = 120;
constexpr int kLevel0 = 200;
constexpr int kLevel1 = 210;
constexpr int kLevel2 = 220;
// Reachable by id only: no menu item, key or button sends it.
constexpr int kLevel3 = 230;
constexpr int kUndo = 400;
constexpr int kLoadRecord = 500;
constexpr int kSaveRecord = 510;
constexpr int kSaveAtEnd = 520;
constexpr int kHelp = 800;
constexpr int kVersion = 810;
constexpr int kClose = 900;
constexpr int kReplayFirst = 1100;
constexpr int kReplayBack = 1110;
constexpr int kReplayForward = 1120;
constexpr int kReplayLast = 1130;
}  // namespace command

// The game each new-game command starts; the mode is the computer's colour.
struct NewGameCommand {
    int commandId;
    GameMode mode;
};

inline constexpr std::array<NewGameCommand, 3> kNewGameCommands{{
    {command::kNewGameAsBlack, GameMode::ComputerWhite},
    {command::kNewGameAsWhite, GameMode::ComputerBlack},
    {command::kNewGameTwoPlayers, GameMode::TwoPlayers},
}};

// The computer's level each level command sets.
struct LevelCommand {
    int commandId;
    std::int32_t level;
};

inline constexpr std::array<LevelCommand, 4> kLevelCommands{{
    {command::kLevel0, 0},
    {command::kLevel1, 1},
    {command::kLevel2, 2},
    {command::kLevel3, 3},
}};

}  // namespace discada
