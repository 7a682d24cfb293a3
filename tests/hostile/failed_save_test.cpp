#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <string>
#include <vector>

#include "hostile_files.h"
#include "record/record_text.h"

namespace discada {
namespace {

const std::string kSaveFailed = "Error|warning|棋譜の保存に失敗しました。";

// A two-person game saved once to `path` after ten placements and then played on, so that a
// later save would write a longer record. Returns the bytes of the earlier record.
std::string savedThenPlayedOn(GameTable& t, const std::string& path) {
    int placed = 0;
    t.play(9, [&] { return ++placed == 10; });
    t.files.answerWith(path);
    t.command(command::kSaveRecord);
    const std::string earlier = contentsOf(path);
    EXPECT_EQ(earlier, formatRecord(t.game.match()));
    t.play(9, [&] { return ++placed == 16; });
    t.window.messages.clear();
    return earlier;
}

// Saves through the save command to `path`; the save must fail visibly.
void expectFailedSave(GameTable& t, const std::string& path, const std::string& what) {
    t.files.answerWith(path);
    t.command(command::kSaveRecord);
    EXPECT_EQ(t.window.messages, std::vector<std::string>{kSaveFailed}) << what;
    t.window.messages.clear();
}

TEST(FailedSave, AWriteFailingAfterAnyNumberOfBytesKeepsTheEarlierRecord) {
    ScratchFolder folder;
    GameTable t(GameMode::TwoPlayers);
    const std::string path = folder.path("game.txt");
    const std::string earlier = savedThenPlayedOn(t, path);
    const std::size_t length = formatRecord(t.game.match()).size();
    for (std::size_t written = 0; written <= length; ++written) {
        t.files.writeStep = [written](std::ostream& file, std::string_view bytes) {
            file.write(bytes.data(), static_cast<std::streamsize>(written));
            return false;  // the disk filled up here
        };
        expectFailedSave(t, path, std::to_string(written) + " bytes written");
        ASSERT_EQ(contentsOf(path), earlier) << written << " bytes written";
        ASSERT_EQ(folder.names(), std::vector<std::string>{"game.txt"});
    }
    // The game itself is whole: once the disk has room again it saves in full.
    t.files.writeStep = writeAllBytes;
    t.files.answerWith(path);
    t.command(command::kSaveRecord);
    EXPECT_TRUE(t.window.messages.empty());
    EXPECT_EQ(contentsOf(path), formatRecord(t.game.match()));
}

TEST(FailedSave, NoFolderAFolderOrADeviceAsTheTargetFailsVisibly) {
    ScratchFolder folder;
    GameTable t(GameMode::TwoPlayers);
    const std::string earlier = savedThenPlayedOn(t, folder.path("game.txt"));
    std::filesystem::create_directories(folder.path("records.txt"));
    writeBytes(folder.path("records.txt/old.txt"), earlier);
#ifdef _WIN32
    // Device names name the device in every folder.
    const std::vector<std::string> devices = {"NUL", folder.path("CON")};
    const std::vector<std::string> names = {"game.txt", "records.txt"};
#else
    std::filesystem::create_symlink("/dev/full", folder.path("full.txt"));
    const std::vector<std::string> devices = {"/dev/full", folder.path("full.txt")};
    const std::vector<std::string> names = {"full.txt", "game.txt", "records.txt"};
#endif

    expectFailedSave(t, folder.path("no such folder/game.txt"), "a missing folder");
    expectFailedSave(t, folder.path("records.txt"), "a folder as the target");
    for (const std::string& device : devices)
        expectFailedSave(t, device, device);
    EXPECT_EQ(contentsOf(folder.path("game.txt")), earlier);
    EXPECT_EQ(contentsOf(folder.path("records.txt/old.txt")), earlier);
    EXPECT_EQ(folder.names(), names);
}

// Windows has no write permission of a folder to take away.
#ifndef _WIN32
TEST(FailedSave, AFolderWithoutWritePermissionKeepsTheEarlierRecord) {
    // Permission bits do not stop the superuser, so this case needs an ordinary user.
    if (::geteuid() == 0) GTEST_SKIP() << "running as root";
    ScratchFolder folder;
    GameTable t(GameMode::TwoPlayers);
    const std::string path = folder.path("game.txt");
    const std::string earlier = savedThenPlayedOn(t, path);
    std::filesystem::permissions(folder.root(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    expectFailedSave(t, path, "a read-only folder");
    EXPECT_EQ(contentsOf(path), earlier);
}
#endif

TEST(FailedSave, ASaveAtTheEndThatFailsIsReportedAfterTheResultAndCanBeRepeated) {
    ScratchFolder folder;
    GameTable t(GameMode::TwoPlayers);
    t.command(command::kSaveAtEnd);
    int placed = 0;
    t.play(4, [&] {
        // Whichever placement ends the game, its save dialog answers with a missing folder.
        if (++placed == 1) t.files.answerWith(folder.path("gone/end.txt"));
        return false;
    });
    ASSERT_TRUE(t.game.match().isOver());
    ASSERT_GE(t.window.messages.size(), 2u);
    EXPECT_TRUE(t.window.messages[t.window.messages.size() - 2].starts_with("結果|"));
    EXPECT_EQ(t.window.messages.back(), kSaveFailed);
    t.files.answerWith(folder.path("end.txt"));
    t.command(command::kSaveRecord);
    const std::string saved = contentsOf(folder.path("end.txt"));
    EXPECT_EQ(saved, formatRecord(t.game.match()));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), t.game.match().movesPlayed());
}

}  // namespace
}  // namespace discada
