#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "ai/fake_clock.h"
#include "game/commands.h"
#include "game/game_session.h"
#include "match/match_test_support.h"
#include "recording_opener.h"
#include "recording_window.h"
#include "scripted_files.h"

namespace discada {

// The command that starts a game in `mode`.
inline std::uint32_t newGameCommand(GameMode mode) {
    for (const NewGameCommand& entry : kNewGameCommands) {
        if (entry.mode == mode) return static_cast<std::uint32_t>(entry.commandId);
    }
    ADD_FAILURE() << "no command starts mode " << static_cast<int>(mode);
    return 0;
}

// The command that sets `level`.
inline std::uint32_t levelCommand(std::int32_t level) {
    for (const LevelCommand& entry : kLevelCommands) {
        if (entry.level == level) return static_cast<std::uint32_t>(entry.commandId);
    }
    ADD_FAILURE() << "no command sets level " << level;
    return 0;
}

// The middle of a cell in client pixels, where a person clicks it.
struct CellCentre {
    std::int32_t x;
    std::int32_t y;
};

inline CellCentre centreOf(const DscProg& match, CellPos cell) {
    const Cell& c = match.board().cellAt(cell.column, cell.row);
    return {c.x() + 20, c.y() + 20};
}

// One game session driven as a front end drives it, with a recording window, scripted dialogs, a
// fake clock (the computer's 500 ms cost no real time) and a recording viewer: started as the
// window starts it (level 1, the person as black), then, for another `mode`, that mode's new-game
// command. Closing is counted.
struct GameTable {
    explicit GameTable(GameMode mode = GameMode::ComputerWhite) {
        window.now = [this] { return clock.now; };
        session.start();
        if (mode != GameMode::ComputerWhite) command(newGameCommand(mode));
    }
    ClickResult place(CellPos cell) {
        const CellCentre at = centreOf(game.match(), cell);
        return session.click(at.x, at.y);
    }
    bool command(std::uint32_t id) { return session.command(id); }

    // Places at random from `seed` for whoever clicks (the person, or both sides of a
    // two-person game) until the game ends or `stop` holds after a click. True when stopped.
    template <typename Stop>
    bool play(unsigned seed, Stop stop) {
        std::mt19937 random(seed);
        while (!game.match().isOver()) {
            const std::vector<CellPos> moves = legalOf(game.match());
            EXPECT_EQ(place(moves[random() % moves.size()]), ClickResult::Done)
                << boardDump(game.match());
            if (stop()) return true;
        }
        return false;
    }
    void playToEnd(unsigned seed) {
        play(seed, [] { return false; });
    }

    RecordingWindow window;
    ScriptedFiles files;
    FakeClock clock;
    RecordingOpener opener;
    int closes = 0;
    GameSession session{{.window = window,
                         .files = files,
                         .clock = clock,
                         .opener = opener,
                         .close = [this] { ++closes; },
                         .beforeHelp = [this] { beforeHelp(); }}};
    const Discada& game = session.game();
    std::function<void()> beforeHelp = [] {};
};

// The controller on its own, for what it tells a direct caller; the session drops its results.
struct ControllerTable {
    explicit ControllerTable(GameMode mode) { game.newGame(mode); }
    ClickResult place(CellPos cell) {
        const CellCentre at = centreOf(game.match(), cell);
        return game.onBoardClick(at.x, at.y);
    }

    RecordingWindow window;
    ScriptedFiles files;
    FakeClock clock;
    Discada game{window, files, clock};
};

inline std::string passMessage(const std::string& label) {
    return "DiscadaGame|information|" + label + "\n置く場所がありません。\nパスをします。";
}

// Plays the person (black, against level 0, which is weak enough to be shut out now and then)
// seed after seed until the pass message of `label` shows, and runs `check` at that moment.
template <typename Check>
void findPassGame(const std::string& label, Check check) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        GameTable t;
        t.command(levelCommand(0));
        if (t.play(seed, [&] {
                return !t.window.messages.empty() && t.window.messages.back() == passMessage(label);
            })) {
            return check(t);
        }
    }
    FAIL() << "no game shows the pass of " << label;
}

}  // namespace discada
