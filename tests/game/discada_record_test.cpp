#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_table.h"
#include "record/record_text.h"
#include "temp_folder.h"

namespace discada {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

const std::string kSaveFailed = "Error|warning|棋譜の保存に失敗しました。";
const std::string kLoadFailed = "Error|warning|棋譜の読み込みに失敗しました。";
const std::string kThree = " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n";

// Record files in a fresh folder with a Japanese name; paths are UTF-8 strings.
class RecordFiles : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(native(u8(""))); }

    std::string u8(const std::string& name) const {
        const std::u8string p = (root_ / u8"棋譜 フォルダ").u8string();
        return std::string(p.begin(), p.end()) + "/" + name;
    }
    static fs::path native(const std::string& path) {
        return std::u8string(path.begin(), path.end());
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(native(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(native(path), std::ios::binary) << bytes;
    }
    static void load(GameTable& t, const std::string& path) {
        t.files.answerWith(path);
        t.command(command::kLoadRecord);
    }
    // Twenty placements of a two-person game, saved to `path`.
    static std::string playAndSave(GameTable& t, const std::string& path) {
        int placements = 0;
        t.play(3, [&] { return ++placements == 20; });
        t.files.answerWith(path);
        t.command(command::kSaveRecord);
        return formatRecord(t.game.match());
    }

    const TempFolder root_{"discada-game"};
};

TEST_F(RecordFiles, SaveWritesThroughTheSaveDialogWhoseNameSurvivesNewGames) {
    GameTable t(GameMode::TwoPlayers);
    t.command(command::kSaveRecord);  // nothing placed: no dialog
    EXPECT_TRUE(t.files.requests.empty());
    const std::string saved = playAndSave(t, u8("対局.txt"));
    EXPECT_EQ(contents(u8("対局.txt")), saved);
    const ScriptedFiles::Asked& asked = t.files.requests.at(0);
    EXPECT_EQ(asked.kind, FileDialogKind::Save);
    EXPECT_EQ(asked.title, "名前を付けて保存");
    EXPECT_EQ(asked.initialPath, "無題");
    EXPECT_EQ(asked.defaultExtension, "txt");
    EXPECT_EQ(asked.filters, 2u);
    EXPECT_EQ(t.game.saveDialog().fileTitle(), "対局.txt");

    t.command(command::kNewGameTwoPlayers);
    t.place({4, 3});
    t.command(command::kSaveRecord);
    EXPECT_EQ(t.files.requests.at(1).initialPath, u8("対局.txt"));
    EXPECT_TRUE(t.window.messages.empty());  // cancelled: silent
}

TEST_F(RecordFiles, SavedAtMoveTenOfAReplayHoldsTenLinesAndLoadsToThatPosition) {
    GameTable t(GameMode::TwoPlayers);
    playAndSave(t, u8("full.txt"));
    load(t, u8("full.txt"));
    for (int press = 0; press < 10; ++press)
        t.command(command::kReplayBack);
    t.files.answerWith(u8("ten.txt"));
    t.command(command::kSaveRecord);
    const std::string ten = contents(u8("ten.txt"));
    EXPECT_EQ(std::count(ten.begin(), ten.end(), '\n'), 10);
    EXPECT_TRUE(ten.ends_with("\r\n") && ten.substr(ten.size() - 11).starts_with("10:")) << ten;

    GameTable again;
    load(again, u8("ten.txt"));
    EXPECT_EQ(boardDump(again.game.match()), boardDump(t.game.match()));
}

TEST_F(RecordFiles, AFailedSaveKeepsTheEarlierFileByteForByteAndSaysSo) {
    GameTable t(GameMode::TwoPlayers);
    const std::string earlier = playAndSave(t, u8("game.txt"));
    t.place(legalOf(t.game.match()).front());
    t.files.writeStep = [](std::ostream& file, std::string_view bytes) {
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
        return false;  // the disk filled up half-way
    };
    t.files.answerWith(u8("game.txt"));
    t.command(command::kSaveRecord);
    EXPECT_EQ(contents(u8("game.txt")), earlier);
    EXPECT_EQ(std::distance(fs::directory_iterator(native(u8(""))), {}), 1);

    t.files.answerWith(u8("no folder/game.txt"));
    t.command(command::kSaveRecord);
    t.files.answers.push_back({FileChoiceOutcome::Failed, {}});
    t.command(command::kSaveRecord);
    EXPECT_EQ(t.game.saveDialog().lastError(), "GetSaveFileError");
    EXPECT_EQ(t.window.messages, (Events{kSaveFailed, kSaveFailed, kSaveFailed}));
}

TEST_F(RecordFiles, LoadingReplaysTheRecordAndTheStepsStopAtBothEnds) {
    write(u8("three.txt"), kThree);
    GameTable t;
    t.place({4, 3});
    load(t, u8("three.txt"));
    EXPECT_EQ(t.files.requests.at(0).title, "開く");
    EXPECT_EQ(t.files.requests.at(0).initialPath, "");
    EXPECT_EQ(t.window.entries, (Events{" 3手目 黒(3, 4)", " 2手目 白(3, 3)", " 1手目 黒(4, 3)"}));
    EXPECT_TRUE(t.window.selected == 0 && t.window.buttonsShown && t.window.menu[400].greyed);
    EXPECT_EQ(t.game.statusText(), "後手の番(白)     \n\n黒： 5 \n白： 2 ");
    EXPECT_EQ(t.place({2, 3}), ClickResult::Refused);
    t.command(command::kUndo);
    EXPECT_EQ(t.game.match().movesPlayed(), 3);
    EXPECT_EQ(t.window.entries.size(), 3u);

    t.window.takeEvents();
    t.command(command::kReplayForward);  // already at the end
    t.command(command::kReplayBack);
    t.command(command::kReplayFirst);  // the remaining two
    t.command(command::kReplayBack);   // already at the start
    EXPECT_EQ(t.game.match().movesPlayed(), 0);
    EXPECT_EQ(t.window.takeEvents(),
              (Events{"list select 0", "repaint", "list select 1", "repaint", "list select 2",
                      "list select -1", "repaint", "list select 2", "list select -1", "repaint"}));
    EXPECT_EQ(t.game.statusText(), "先手の番(黒)     \n\n黒： 2 \n白： 2 ");
    for (const int placements : {1, 2}) {
        t.command(command::kReplayForward);
        EXPECT_EQ(t.game.match().movesPlayed(), placements);
        EXPECT_EQ(t.window.selected, 3 - placements);
    }
    t.command(command::kReplayLast);
    EXPECT_EQ(t.game.match().movesPlayed(), 3);
    EXPECT_EQ(t.window.selected, 0);
    t.command(command::kNewGameAsBlack);  // only a new game leaves replay mode
    EXPECT_FALSE(t.window.buttonsShown || t.window.menu[400].greyed);
}

TEST_F(RecordFiles, LoadingStopsAtTheFirstBadPlacementAndReportsAnUnusableRecord) {
    // The fifth placement is not legal; the colours in the file are never read.
    write(u8("five.txt"), " 1:4,3(2)\r\n 2:3,3(2)\r\n 3:3,4(2)\r\n 4:3,5(2)\r\n 5:1,1(1)\r\n");
    write(u8("colons.txt"), ":::");
    write(u8("bad.txt"), " 1:9,3(1)\r\n");
    GameTable t;
    load(t, u8("five.txt"));
    EXPECT_EQ(t.window.entries.front(), " 4手目 白(3, 5)");
    EXPECT_TRUE(t.game.replayMode());

    t.command(command::kLoadRecord);  // cancelled
    load(t, u8("absent.txt"));        // cannot be read
    load(t, u8("colons.txt"));        // refused before the new game
    EXPECT_EQ(t.window.entries.size(), 4u);
    EXPECT_EQ(t.window.messages, Events{kLoadFailed});
    load(t, u8("bad.txt"));  // no usable placement: the game on the board stays too
    EXPECT_EQ(t.window.messages, (Events{kLoadFailed, kLoadFailed}));
    EXPECT_EQ(t.game.match().movesPlayed(), 4);
    EXPECT_EQ(t.window.entries.size(), 4u);
    EXPECT_TRUE(t.game.replayMode() && t.window.buttonsShown);
}

// Called directly, the controller tells what became of a load, a save and a replay step, and shows
// the failure boxes itself.
TEST_F(RecordFiles, TheControllerReportsLoadsAndSavesItself) {
    write(u8("bad.txt"), " 1:9,3(1)\r\n");
    write(u8("three.txt"), kThree);
    ControllerTable t(GameMode::ComputerWhite);
    EXPECT_EQ(t.game.saveGame(), SaveResult::NothingToSave);
    EXPECT_EQ(t.game.loadRecord(), LoadResult::NothingRead);  // cancelled
    t.files.answerWith(u8("bad.txt"));
    EXPECT_EQ(t.game.loadRecord(), LoadResult::NothingUsable);
    EXPECT_EQ(t.window.messages, Events{kLoadFailed});
    t.files.answerWith(u8("three.txt"));
    EXPECT_EQ(t.game.loadRecord(), LoadResult::Loaded);
    EXPECT_EQ(t.game.replayBack(2), 2);
    EXPECT_EQ(t.game.replayForward(60), 2);
    t.files.answers.push_back({FileChoiceOutcome::Failed, {}});
    EXPECT_EQ(t.game.saveGame(), SaveResult::Done);
    EXPECT_EQ(t.window.messages, (Events{kLoadFailed, kSaveFailed}));
}

}  // namespace
}  // namespace discada
