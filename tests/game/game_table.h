#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "ai/fake_clock.h"
#include "game/commands.h"
#include "game/discada.h"
#include "game/shell_commands.h"
#include "match/match_test_support.h"
#include "recording_opener.h"
#include "recording_window.h"
#include "scripted_files.h"

namespace discada {

// One controller with its recording window, scripted dialogs, fake clock (the computer's 500 ms
// cost no real time) and the shell commands over a recording viewer, started as the window
// starts it: level 1, then a game in `mode`. Closing is counted.
struct GameTable {
    explicit GameTable(GameMode mode = GameMode::ComputerWhite) {
        window.now = [this] { return clock.now; };
        game.newGame(mode);
    }
    // A click in the middle of the cell.
    std::int32_t place(CellPos cell) {
        const Cell& c = game.match().board().cellAt(cell.column, cell.row);
        return game.onBoardClick(c.x() + 20, c.y() + 20);
    }
    void command(std::uint32_t id) { dispatchCommand(game, window, shell, id); }

    // Places at random from `seed` for whoever clicks (the person, or both sides of a
    // two-person game) until the game ends or `stop` holds after a click. True when stopped.
    template <typename Stop>
    bool play(unsigned seed, Stop stop) {
        std::mt19937 random(seed);
        while (!game.match().isOver()) {
            const std::vector<CellPos> moves = legalOf(game.match());
            EXPECT_EQ(place(moves[random() % moves.size()]), 0) << boardDump(game.match());
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
    ShellCommands shell{window, opener, {}, [this] { ++closes; }};
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
        t.game.setLevel(0);
        if (t.play(seed, [&] {
                return !t.window.messages.empty() && t.window.messages.back() == passMessage(label);
            })) {
            return check(t);
        }
    }
    FAIL() << "no game shows the pass of " << label;
}

}  // namespace discada
