#include "game/game_snapshot.h"

#include <array>
#include <charconv>

#include "board/dsc_board.h"
#include "match/match_types.h"

namespace discada {

namespace {

// The first line; a text of any other version is not read.
constexpr std::string_view kHeader = "DiscadaGame session 1";
constexpr std::array<std::string_view, 6> kKeys{"mode",   "level", "save-at-end",
                                                "replay", "shown", "placements"};
constexpr std::int32_t kHighestLevel = 3;
constexpr std::int32_t kHighestMode = static_cast<std::int32_t>(GameMode::ComputerWhite);

// A whole number from `low` to `high`, of one or two digits as writeSnapshot writes it: no sign,
// no leading zero.
std::optional<std::int32_t> numberIn(std::string_view text, std::int32_t low, std::int32_t high) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0'))
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> flag(std::string_view text) {
    const auto value = numberIn(text, 0, 1);
    if (!value) return std::nullopt;
    return *value == 1;
}

// "C,R C,R ..." with every column and row from 1 to 8; nothing for none.
std::optional<std::vector<CellPos>> cellsOf(std::string_view text) {
    std::vector<CellPos> cells;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view cell = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        // A separator that ends the list, or two in a row, leaves an empty cell.
        if (space != std::string_view::npos && text.empty()) return std::nullopt;
        const std::size_t comma = cell.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        const auto column = numberIn(cell.substr(0, comma), 1, kBoardSize);
        const auto row = numberIn(cell.substr(comma + 1), 1, kBoardSize);
        if (!column || !row || std::ssize(cells) == kMaxPlacements) return std::nullopt;
        cells.push_back({*column, *row});
    }
    return cells;
}

// The value of line `key`: "KEY VALUE", or "KEY" alone for an empty value.
std::optional<std::string_view> valueOf(std::string_view line, std::string_view key) {
    if (line == key) return std::string_view();
    if (!line.starts_with(key) || line.size() == key.size() + 1 || line[key.size()] != ' ')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

}  // namespace

std::string writeSnapshot(const GameSnapshot& snapshot) {
    std::string placements;
    for (const CellPos& cell : snapshot.placements) {
        if (!placements.empty()) placements += ' ';
        placements += std::to_string(cell.column) + "," + std::to_string(cell.row);
    }
    const std::array<std::string, kKeys.size()> values{
        std::to_string(static_cast<std::int32_t>(snapshot.mode)),
        std::to_string(snapshot.level),
        snapshot.saveAtEnd ? "1" : "0",
        snapshot.replayMode ? "1" : "0",
        std::to_string(snapshot.shown),
        placements};
    std::string text = std::string(kHeader) + "\n";
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        text += kKeys[i];
        if (!values[i].empty()) text += " " + values[i];
        text += "\n";
    }
    return text;
}

std::optional<GameSnapshot> readSnapshot(std::string_view text) {
    std::array<std::string_view, kKeys.size() + 1> lines;
    for (std::string_view& line : lines) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        line = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    if (!text.empty() || lines[0] != kHeader) return std::nullopt;
    std::array<std::string_view, kKeys.size()> values;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const auto value = valueOf(lines[i + 1], kKeys[i]);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    const auto mode = numberIn(values[0], 0, kHighestMode);
    const auto level = numberIn(values[1], 0, kHighestLevel);
    const auto saveAtEnd = flag(values[2]);
    const auto replayMode = flag(values[3]);
    const auto shown = numberIn(values[4], 0, kMaxPlacements);
    auto placements = cellsOf(values[5]);
    if (!mode || !level || !saveAtEnd || !replayMode || !shown || !placements) return std::nullopt;
    return GameSnapshot{.mode = static_cast<GameMode>(*mode),
                        .level = *level,
                        .saveAtEnd = *saveAtEnd,
                        .replayMode = *replayMode,
                        .placements = std::move(*placements),
                        .shown = *shown};
}

}  // namespace discada
