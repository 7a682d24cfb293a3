#include "game/commands.h"

#include <string_view>

#include "game/app_info.h"
#include "game/discada.h"
#include "game/shell_commands.h"
#include "platform/window_host.h"

namespace discada {

namespace {

constexpr std::string_view kLoadFailed = "棋譜の読み込みに失敗しました。";
// A double arrow steps over the longest possible game in one press.
constexpr std::int32_t kWholeGame = 60;

void undoAndTrimList(Discada& game, WindowHost& window) {
    // The entries at the top of the list are those of the placements just taken back.
    const std::int32_t taken = game.undo();
    for (std::int32_t i = 0; i < taken; ++i)
        window.listDeleteTop();
}

void loadAndReport(Discada& game, WindowHost& window) {
    if (game.loadRecord() == -2)
        window.showMessage(kLoadFailed, kErrorCaption, MessageIcon::Warning);
}

bool carryOut(Discada& game, WindowHost& window, ShellCommands& shell, int id) {
    switch (id) {
        case command::kNewGameAsBlack:
            game.newGame(GameMode::ComputerWhite);
            break;
        case command::kNewGameAsWhite:
            game.newGame(GameMode::ComputerBlack);
            break;
        case command::kNewGameTwoPlayers:
            game.newGame(GameMode::TwoPlayers);
            break;
        case command::kLevel0:
        case command::kLevel1:
        case command::kLevel2:
        case command::kLevel3:
            game.setLevel((id - command::kLevel0) / 10);
            break;
        case command::kUndo:
            undoAndTrimList(game, window);
            break;
        case command::kLoadRecord:
            loadAndReport(game, window);
            break;
        case command::kSaveRecord:
            game.saveGame();
            break;
        case command::kSaveAtEnd:
            game.toggleSaveAtEnd();
            break;
        case command::kHelp:
            shell.showHelp();
            break;
        case command::kVersion:
            shell.showVersion();
            break;
        case command::kClose:
            shell.close();
            break;
        case command::kReplayFirst:
            game.replayBack(kWholeGame);
            break;
        case command::kReplayBack:
            game.replayBack(1);
            break;
        case command::kReplayForward:
            game.replayForward(1);
            break;
        case command::kReplayLast:
            game.replayForward(kWholeGame);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace

bool dispatchCommand(Discada& game, WindowHost& window, ShellCommands& shell,
                     std::uint32_t commandId) {
    // The high half carries a control's notification code or the accelerator mark.
    const bool known = carryOut(game, window, shell, static_cast<int>(commandId & 0xFFFF));
    window.requestRepaint();
    return known;
}

}  // namespace discada
