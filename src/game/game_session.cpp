#include "game/game_session.h"

#include <optional>
#include <utility>

#include "game/commands.h"
#include "match/match_types.h"
#include "platform/window_host.h"

namespace discada {

namespace {

// The high half carries a control's notification code or the accelerator mark.
constexpr std::uint32_t kCommandIdBits = 0xFFFF;

}  // namespace

GameSession::GameSession(FrontEnd frontEnd)
    : window_(frontEnd.window),
      close_(std::move(frontEnd.close)),
      beforeHelp_(std::move(frontEnd.beforeHelp)),
      game_(frontEnd.window, frontEnd.files, frontEnd.clock),
      shell_(frontEnd.window, frontEnd.opener, std::move(frontEnd.installedHelpFolder),
             [this] { close(); }) {
}

void GameSession::start() {
    game_.newGame(GameMode::ComputerWhite);
}

bool GameSession::command(std::uint32_t commandId) {
    if (closed_) return false;
    const bool known = carryOut(static_cast<int>(commandId & kCommandIdBits));
    window_.requestRepaint();
    return known;
}

ClickResult GameSession::click(std::int32_t x, std::int32_t y) {
    if (closed_) return ClickResult::Refused;
    return game_.onBoardClick(x, y);
}

ClickResult GameSession::place(CellPos cell) {
    if (closed_) return ClickResult::Refused;
    return game_.placeAt(cell.column, cell.row);
}

std::string GameSession::snapshot() const {
    return writeSnapshot(game_.snapshot());
}

RestoreResult GameSession::restore(std::string_view snapshot) {
    if (closed_) return RestoreResult::NotNow;
    const std::optional<GameSnapshot> read = readSnapshot(snapshot);
    if (!read) return RestoreResult::Unreadable;
    return game_.restore(*read);
}

void GameSession::paint(Surface& target, const Surface& sprites) const {
    if (!closed_) game_.paint(target, sprites);
}

void GameSession::close() {
    if (closed_) return;
    closed_ = true;
    close_();
}

bool GameSession::carryOut(int commandId) {
    for (const NewGameCommand& entry : kNewGameCommands) {
        if (entry.commandId != commandId) continue;
        game_.newGame(entry.mode);
        return true;
    }
    for (const LevelCommand& entry : kLevelCommands) {
        if (entry.commandId != commandId) continue;
        game_.setLevel(entry.level);
        return true;
    }
    // The controller shows what the person must know of undo, loading and saving itself.
    switch (commandId) {
        case command::kUndo:
            static_cast<void>(game_.undo());
            break;
        case command::kLoadRecord:
            static_cast<void>(game_.loadRecord());
            break;
        case command::kSaveRecord:
            static_cast<void>(game_.saveGame());
            break;
        case command::kSaveAtEnd:
            game_.toggleSaveAtEnd();
            break;
        case command::kHelp:
            beforeHelp_();
            shell_.showHelp();
            break;
        case command::kVersion:
            shell_.showVersion();
            break;
        case command::kClose:
            shell_.close();
            break;
        // A double arrow steps over the longest possible game in one press.
        case command::kReplayFirst:
            game_.replayBack(kMaxPlacements);
            break;
        case command::kReplayBack:
            game_.replayBack(1);
            break;
        case command::kReplayForward:
            game_.replayForward(1);
            break;
        case command::kReplayLast:
            game_.replayForward(kMaxPlacements);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace discada
