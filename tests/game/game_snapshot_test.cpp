#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "game_table.h"
#include "temp_folder.h"

namespace discada {
namespace {

// Everything the window shows of a game, and its settings, in one text to compare.
std::string shown(const GameTable& t) {
    std::string text = boardDump(t.game.match()) + t.game.statusText() + "\n";
    for (const std::string& entry : t.window.entries)
        text += entry + "\n";
    text += "selected " + std::to_string(t.window.selected);
    text += t.window.buttonsShown ? " buttons" : " no buttons";
    for (const int id : {command::kLevel0, command::kLevel1, command::kLevel2, command::kUndo,
                         command::kSaveAtEnd}) {
        const auto state = t.window.menu.find(id);
        const MenuItemState s = state == t.window.menu.end() ? MenuItemState{} : state->second;
        text += " " + std::to_string(id) + (s.checked ? "c" : "") + (s.greyed ? "g" : "");
    }
    // In play nothing replays the placements taken back; while replaying the record's end counts.
    text += " level " + std::to_string(t.game.level()) + " moves " +
            std::to_string(t.game.match().movesPlayed());
    return t.game.replayMode() ? text + "/" + std::to_string(t.game.match().redoLimit()) : text;
}

// Restores `snapshot` on a freshly started game and checks it shows what `original` shows.
void expectRestoredAs(const GameTable& original, const std::string& snapshot) {
    GameTable copy;
    ASSERT_EQ(copy.session.restore(snapshot), RestoreResult::Restored) << snapshot;
    EXPECT_EQ(shown(copy), shown(original)) << snapshot;
    EXPECT_EQ(copy.session.snapshot(), snapshot);
    EXPECT_TRUE(copy.clock.sleeps.empty()) << "no computer's turn was pending";
}

TEST(GameSnapshot, PutsBackAGameInPlayWithTheHiddenLevelTheOptionAndUndo) {
    GameTable t;
    t.command(levelCommand(3));
    t.command(command::kSaveAtEnd);
    int placements = 0;
    t.play(7, [&] { return ++placements == 6; });
    t.command(command::kUndo);  // the taken-back placements are not kept
    const std::string snapshot = t.session.snapshot();
    EXPECT_TRUE(snapshot.starts_with("DiscadaGame session 1\nmode 2\nlevel 3\nsave-at-end 1\n"))
        << snapshot;
    expectRestoredAs(t, snapshot);
}

TEST(GameSnapshot, PutsBackALoadedRecordAtItsReplayPosition) {
    const TempFolder folder("discada-snapshot");
    const auto path = (folder / "record.txt").string();
    std::ofstream(path, std::ios::binary) << " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n 4:3,5(2)\r\n";
    GameTable t;
    t.command(levelCommand(0));
    t.files.answerWith(path);
    t.command(command::kLoadRecord);
    t.command(command::kReplayBack);
    t.command(command::kReplayBack);
    const std::string snapshot = t.session.snapshot();
    expectRestoredAs(t, snapshot);
    t.command(command::kReplayFirst);
    expectRestoredAs(t, t.session.snapshot());

    // Stepping forward from the restored position reaches the record's end.
    GameTable copy;
    ASSERT_EQ(copy.session.restore(snapshot), RestoreResult::Restored);
    copy.command(command::kReplayLast);
    t.command(command::kReplayLast);
    EXPECT_EQ(shown(copy), shown(t));
}

TEST(GameSnapshot, AComputersTurnItStandsAtIsPlayedAgain) {
    for (const auto& [mode, placements] : {std::pair{GameMode::ComputerWhite, std::string("4,3")},
                                           std::pair{GameMode::ComputerBlack, std::string()}}) {
        GameTable t;
        const std::string snapshot =
            "DiscadaGame session 1\nmode " + std::to_string(static_cast<int>(mode)) +
            "\nlevel 1\nsave-at-end 0\nreplay 0\nshown " + (placements.empty() ? "0" : "1") +
            "\nplacements" + (placements.empty() ? "" : " " + placements) + "\n";
        t.window.takeEvents();
        ASSERT_EQ(t.session.restore(snapshot), RestoreResult::Restored) << snapshot;
        const std::vector<std::string> events = t.window.takeEvents();
        // The restored position is painted before the computer thinks.
        EXPECT_NE(std::find(events.begin(), events.end(), "paint now"), events.end());
        EXPECT_EQ(t.clock.sleeps.size(), 1u);
        EXPECT_EQ(t.game.match().movesPlayed(), placements.empty() ? 1 : 2);
        EXPECT_EQ(std::ssize(t.window.entries), t.game.match().movesPlayed());
        EXPECT_NE(static_cast<DiscColor>(mode), t.game.match().sideToMove());
    }
}

TEST(GameSnapshot, DamagedForeignOrImpossibleSnapshotsLeaveTheGameAsItWas) {
    const std::string good =
        "DiscadaGame session 1\nmode 0\nlevel 2\nsave-at-end 0\nreplay 1\nshown 1\n"
        "placements 4,3 3,3\n";
    {
        GameTable t;
        ASSERT_EQ(t.session.restore(good), RestoreResult::Restored);
    }
    const auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<std::string, RestoreResult>> cases{
        {"", RestoreResult::Unreadable},
        {"\x89PNG\r\n\x1a\n", RestoreResult::Unreadable},
        {edited("session 1", "session 2"), RestoreResult::Unreadable},
        {edited("\n", "\r\n"), RestoreResult::Unreadable},
        {edited("level 2\n", ""), RestoreResult::Unreadable},
        {good + "extra\n", RestoreResult::Unreadable},
        {good.substr(0, good.size() - 1), RestoreResult::Unreadable},
        {edited("level 2", "level 4"), RestoreResult::Unreadable},
        {edited("level 2", "level -1"), RestoreResult::Unreadable},
        {edited("level 2", "level 02"), RestoreResult::Unreadable},
        {edited("mode 0", "mode 3"), RestoreResult::Unreadable},
        {edited("replay 1", "replay 2"), RestoreResult::Unreadable},
        {edited("4,3 3,3", "4,3 9,3"), RestoreResult::Unreadable},
        {edited("4,3 3,3", "4,3  3,3"), RestoreResult::Unreadable},
        {edited("4,3 3,3", "4,3 3,3 "), RestoreResult::Unreadable},
        {edited("4,3 3,3", "4;3 3,3"), RestoreResult::Unreadable},
        {edited("4,3 3,3", "4,3 1,1"), RestoreResult::Impossible},
        {edited("4,3 3,3", "3,3"), RestoreResult::Impossible},
        {edited("shown 1", "shown 3"), RestoreResult::Impossible},
        {edited("mode 0", "mode 2"), RestoreResult::Impossible},
        {edited("replay 1", "replay 0"), RestoreResult::Impossible},
        {edited(" 4,3 3,3", ""), RestoreResult::Impossible},
    };
    for (const auto& [text, result] : cases) {
        GameTable t;
        t.command(levelCommand(0));
        t.place({4, 3});
        const std::string before = shown(t);
        t.window.takeEvents();
        EXPECT_EQ(t.session.restore(text), result) << text;
        EXPECT_EQ(shown(t), before) << text;
        EXPECT_TRUE(t.window.takeEvents().empty()) << text;
    }
}

}  // namespace
}  // namespace discada
