#pragma once

#include <cstdint>

namespace discada {

class Discada;
class ShellCommands;
class WindowHost;

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

// Carries out one command: the id's low 16 bits select it, unknown ids do nothing, and every
// command ends with a repaint request. True when the id names a command.
bool dispatchCommand(Discada& game, WindowHost& window, ShellCommands& shell,
                     std::uint32_t commandId);

}  // namespace discada
