#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/dsc_cpu.h"
#include "board/cell.h"

namespace discada {

// What a game needs to come back as it was: the settings, the placements played (or, while
// replaying, every placement of the loaded record) and how many of them are applied.
struct GameSnapshot {
    GameMode mode = GameMode::ComputerWhite;
    std::int32_t level = 1;
    bool saveAtEnd = false;
    bool replayMode = false;
    std::vector<CellPos> placements;
    std::int32_t shown = 0;
    bool operator==(const GameSnapshot&) const = default;
};

// The snapshot as a short text of a few lines that names its version; a front end keeps it
// where the game must survive its own restart.
std::string writeSnapshot(const GameSnapshot& snapshot);
// The snapshot a text holds, or nothing when it is not exactly what writeSnapshot writes in
// this version, with every value in range. Whether its placements can be played is left to the
// game.
std::optional<GameSnapshot> readSnapshot(std::string_view text);

}  // namespace discada
