#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "game/game_table.h"
#include "record/record_text.h"
#include "temp_folder.h"

namespace discada {

// A fresh folder of its own for each test, removed afterwards.
class ScratchFolder {
public:
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& root() const { return root_; }
    // Every name in the folder, so a test sees any file left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(root_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    TempFolder root_{"discada-hostile"};
};

inline std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// What the person sees of a game: the position with its history cursors, the move list with its
// selection, the replay buttons, the undo item, the mode and the status panel.
struct SeenGame {
    Snapshot match;
    std::vector<std::string> entries;
    int selected = -1;
    bool buttonsShown = false;
    MenuItemState undoItem;
    GameMode mode = GameMode::TwoPlayers;
    bool replayMode = false;
    std::string status;
    bool operator==(const SeenGame&) const = default;
};

inline SeenGame seenGame(GameTable& t) {
    return {
        snapshotOf(t.game.match()),    t.window.entries, t.window.selected,   t.window.buttonsShown,
        t.window.menu[command::kUndo], t.game.mode(),    t.game.replayMode(), t.game.statusText()};
}

// A record of a whole game of 60 placements, played at random from a fixed seed.
inline std::string fullGameRecord() {
    for (unsigned seed = 1;; ++seed) {
        DscProg match;
        match.reset();
        std::mt19937 random(seed);
        while (!match.isOver())
            playRandom(match, random);
        if (match.status() == MatchStatus::BoardFull) return formatRecord(match);
    }
}

}  // namespace discada
