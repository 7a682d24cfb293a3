#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
#include <string>

#include "hostile_files.h"

namespace discada {
namespace {

constexpr int kGames = 1000;

// Every save dialog answers with the record of the game being played, every open dialog with
// the file the soak names.
class SoakFiles final : public FileChooser {
public:
    FileChoice choose(const FileRequest& request) override {
        const bool saving = request.kind == FileDialogKind::Save;
        ++(saving ? saves : opens);
        return {FileChoiceOutcome::Chosen, saving ? savePath : openPath};
    }

    std::string savePath;
    std::string openPath;
    int saves = 0;
    int opens = 0;
};

// One window's game, kept for the whole soak as a person would keep the program open.
struct SoakTable {
    SoakTable() { session.start(); }
    void command(int id) { session.command(static_cast<std::uint32_t>(id)); }

    RecordingWindow window;
    SoakFiles files;
    FakeClock clock;
    RecordingOpener opener;
    GameSession session{{.window = window, .files = files, .clock = clock, .opener = opener}};
    const Discada& game = session.game();
};

struct Figures {
    int games = 0;
    int placements = 0;
    int undos = 0;
    int saves = 0;
    int reloads = 0;
};

// The list shows one entry per placement played, the current one on top and selected.
void expectSoundPlay(const SoakTable& t, const std::string& where) {
    const DscProg& match = t.game.match();
    ASSERT_TRUE(match.isConsistent()) << where << boardDump(match);
    ASSERT_EQ(std::ssize(t.window.entries), match.movesPlayed()) << where;
    if (match.movesPlayed() > 0) {
        const CellPos m = match.currentMove();
        const std::string cell =
            "(" + std::to_string(m.column) + ", " + std::to_string(m.row) + ")";
        ASSERT_TRUE(t.window.entries.front().ends_with(cell)) << where;
        ASSERT_EQ(t.window.selected, 0) << where;
    }
}

// Loads `path` into `reader`, which must land exactly on `expected`'s position.
void expectReloads(SoakTable& reader, const std::string& path, const DscProg& expected,
                   const std::string& where) {
    reader.files.openPath = path;
    reader.command(command::kLoadRecord);
    ASSERT_TRUE(reader.window.messages.empty()) << where << ": " << reader.window.messages.front();
    ASSERT_EQ(snapshotOf(reader.game.match()), snapshotOf(expected))
        << where << boardDump(reader.game.match()) << boardDump(expected);
    ASSERT_EQ(std::ssize(reader.window.entries), expected.movesPlayed()) << where;
}

// Plays one game to its end, a random legal placement per click, with undos and saves checked
// by reloading into `checker` along the way.
void playGame(SoakTable& t, SoakTable& checker, std::mt19937& random, Figures& figures,
              const std::string& where) {
    while (!t.game.match().isOver()) {
        const std::uint32_t r = random() % 100;
        if (r < 4 && t.game.match().movesPlayed() >= 2) {
            t.command(command::kUndo);
            ++figures.undos;
        } else if (r < 7 && t.game.match().movesPlayed() >= 1) {
            t.command(command::kSaveRecord);
            ++figures.saves;
            ASSERT_EQ(contentsOf(t.files.savePath), formatRecord(t.game.match())) << where;
            ASSERT_NO_FATAL_FAILURE(
                expectReloads(checker, t.files.savePath, t.game.match(), where));
            ++figures.reloads;
        } else {
            const std::vector<CellPos> moves = legalOf(t.game.match());
            const CellPos m = moves[random() % moves.size()];
            const CellCentre at = centreOf(t.game.match(), m);
            ASSERT_EQ(t.session.click(at.x, at.y), ClickResult::Done) << where;
            ++figures.placements;
        }
        ASSERT_NO_FATAL_FAILURE(expectSoundPlay(t, where));
    }
}

// 1,000 whole games against levels 0, 1 and 2 (the computer as either colour) and between two
// people, each saved at its end (by the save-at-end option in every other game) and reloaded.
TEST(Soak, WholeGamesSaveAndReloadWithNothingLost) {
    ScratchFolder folder;
    SoakTable t;
    SoakTable checker;
    std::mt19937 random(20240601);
    Figures figures;
    constexpr std::array<int, 3> kLevels{command::kLevel0, command::kLevel1, command::kLevel2};
    for (int game = 0; game < kGames; ++game) {
        const std::string where = "game " + std::to_string(game);
        const int kind = game % 4;
        if (kind < 3) t.command(kLevels[static_cast<std::size_t>(kind)]);
        t.command(kind == 3             ? command::kNewGameTwoPlayers
                  : (game / 4) % 2 == 0 ? command::kNewGameAsBlack
                                        : command::kNewGameAsWhite);
        const bool saveAtEnd = game % 2 == 0;
        if (t.game.saveAtEnd() != saveAtEnd) t.command(command::kSaveAtEnd);
        t.files.savePath = folder.path("game" + std::to_string(game % 10) + ".txt");
        std::filesystem::remove(t.files.savePath);

        ASSERT_NO_FATAL_FAILURE(playGame(t, checker, random, figures, where));
        if (!saveAtEnd) t.command(command::kSaveRecord);
        ++figures.saves;
        ++figures.games;
        ASSERT_TRUE(t.window.messages.back().starts_with("結果|")) << where;
        ASSERT_EQ(contentsOf(t.files.savePath), formatRecord(t.game.match())) << where;

        // The record reloads to the final position, and the replay crosses the whole game.
        const Snapshot final = snapshotOf(t.game.match());
        t.window.messages.clear();
        ASSERT_NO_FATAL_FAILURE(expectReloads(t, t.files.savePath, t.game.match(), where));
        t.command(command::kReplayFirst);
        ASSERT_EQ(t.game.match().movesPlayed(), 0) << where;
        t.command(command::kReplayLast);
        ASSERT_EQ(snapshotOf(t.game.match()), final) << where;
        ++figures.reloads;
        t.window.takeEvents();
        checker.window.takeEvents();
    }
    EXPECT_EQ(figures.saves, t.files.saves);
    EXPECT_EQ(figures.reloads, t.files.opens + checker.files.opens);
    std::printf("soak: %d games, %d placements clicked, %d undos, %d saves, %d reloads checked\n",
                figures.games, figures.placements, figures.undos, figures.saves, figures.reloads);
}

}  // namespace
}  // namespace discada
