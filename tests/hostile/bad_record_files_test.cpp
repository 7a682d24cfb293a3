#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <random>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "record/record_text.h"

namespace discada {
namespace {

const std::string kLoadFailed = "Error|warning|棋譜の読み込みに失敗しました。";
const std::string kThree = " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n";

// What loading a file must end in: nothing read (no message), nothing usable (the message), or
// the record's first placements loaded into replay mode.
enum class Outcome { NotRead, Unusable, Loaded };

struct BadFile {
    std::string name;
    std::string bytes;
    Outcome outcome;
    std::int32_t placements = 0;
};

std::string utf16(const std::string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// Random bytes with every digit taken out, so that no coordinate can come of them.
std::string garbage(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes;
    while (bytes.size() < size) {
        const char c = static_cast<char>(random());
        if (c < '0' || c > '9') bytes += c;
    }
    return bytes;
}

std::string withFirstOrThirdPlacementAt(const std::string& coordinate, bool first) {
    return first ? " 1:" + coordinate + ",3(1)\r\n" + kThree.substr(11)
                 : kThree.substr(0, 22) + " 3:" + coordinate + ",4(1)\r\n";
}

std::vector<BadFile> badFiles() {
    const std::string full = fullGameRecord();
    std::string seventy = full;
    for (int line = 61; line <= 70; ++line)
        seventy += std::to_string(line) + full.substr(2, 9);
    std::string tail(100 * 1024 - full.size(), 'z');
    std::vector<BadFile> files = {
        {"empty", "", Outcome::Unusable},
        {"only a colon", ":", Outcome::Unusable},
        {"binary garbage", garbage(4096), Outcome::Unusable},
        {"NUL bytes only", std::string(64, '\0'), Outcome::Unusable},
        {"NUL before the record", std::string(1, '\0') + kThree, Outcome::Unusable},
        {"NUL after the first line", kThree.substr(0, 11) + '\0' + kThree.substr(11),
         Outcome::Loaded, 1},
        {"UTF-16 little-endian with mark", utf16(kThree, false), Outcome::Unusable},
        {"UTF-16 big-endian with mark", utf16(kThree, true), Outcome::Unusable},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + kThree, Outcome::Loaded, 3},
        {"CR-only line ends", " 1:4,3(1)\r 2:3,3(2)\r 3:3,4(1)\r", Outcome::Loaded, 3},
        {"LF-only line ends", " 1:4,3(1)\n 2:3,3(2)\n 3:3,4(1)\n", Outcome::Loaded, 3},
        {"100 kB: a whole game, then filler", full + tail, Outcome::Loaded, 60},
        {"100 kB of digits", ":" + std::string(100 * 1024, '7'), Outcome::Unusable},
        {"100 kB of one line again and again",
         [] {
             std::string repeated;
             while (repeated.size() < 100 * 1024)
                 repeated += " 1:4,3(1)\r\n";
             return repeated;
         }(),
         Outcome::Loaded, 1},
        {"70 lines", seventy, Outcome::Loaded, 60},
    };
    for (const std::string coordinate : {"0", "9", "-1", "2147483648", "4294967300"}) {
        files.push_back({"first placement at " + coordinate,
                         withFirstOrThirdPlacementAt(coordinate, true), Outcome::Unusable});
        files.push_back({"third placement at " + coordinate,
                         withFirstOrThirdPlacementAt(coordinate, false), Outcome::Loaded, 2});
    }
    return files;
}

// A game in progress: the person (black) and the computer have made ten placements.
void startGame(GameTable& t) {
    int placed = 0;
    t.play(5, [&] { return ++placed == 5; });
    t.window.messages.clear();
}

// Loads the chosen file through the load command; on failure the game must be as it was.
void expectOutcome(GameTable& t, const std::string& path, Outcome outcome, std::int32_t placements,
                   const std::string& what) {
    const SeenGame before = seenGame(t);
    t.files.answerWith(path);
    t.command(command::kLoadRecord);
    if (outcome == Outcome::Loaded) {
        EXPECT_TRUE(t.window.messages.empty()) << what;
        EXPECT_TRUE(t.game.replayMode()) << what;
        EXPECT_EQ(t.game.match().movesPlayed(), placements) << what;
        EXPECT_EQ(std::ssize(t.window.entries), placements) << what;
        EXPECT_TRUE(t.game.match().isConsistent()) << what << boardDump(t.game.match());
        return;
    }
    const std::vector<std::string> shown = outcome == Outcome::Unusable
                                               ? std::vector<std::string>{kLoadFailed}
                                               : std::vector<std::string>{};
    EXPECT_EQ(t.window.messages, shown) << what;
    EXPECT_TRUE(seenGame(t) == before) << what << ": the game changed" << boardDump(t.game.match());
}

TEST(BadRecordFiles, EachEndsClearlyAndAFailureLeavesTheGameAsItWas) {
    ScratchFolder folder;
    for (const BadFile& file : badFiles()) {
        GameTable t;
        startGame(t);
        const std::string path = folder.path("record.txt");
        writeBytes(path, file.bytes);
        expectOutcome(t, path, file.outcome, file.placements, file.name);
    }
}

TEST(BadRecordFiles, LineEndsAndMarksDoNotChangeWhereARecordLeads) {
    ScratchFolder folder;
    const std::string full = fullGameRecord();
    std::string crOnly;
    for (const char c : full) {
        if (c != '\n') crOnly += c;
    }
    std::vector<std::string> positions;
    for (const std::string& bytes :
         {full, crOnly, "\xEF\xBB\xBF" + full, full + std::string(70, 'x')}) {
        GameTable t;
        writeBytes(folder.path("game.txt"), bytes);
        t.files.answerWith(folder.path("game.txt"));
        t.command(command::kLoadRecord);
        positions.push_back(boardDump(t.game.match()) + formatRecord(t.game.match()));
    }
    EXPECT_EQ(positions, std::vector<std::string>(4, positions.front()));
    EXPECT_EQ(positions.front().substr(positions.front().size() - full.size()), full);
}

#ifdef _WIN32
// A pipe whose server never writes, the console (it would wait for typing) and the null device.
class UnreadablePaths {
public:
    explicit UnreadablePaths(const ScratchFolder&)
        : pipe_(::CreateNamedPipeW(LR"(\\.\pipe\discada-hostile)", PIPE_ACCESS_OUTBOUND,
                                   PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr)) {
        EXPECT_NE(pipe_, INVALID_HANDLE_VALUE);
    }
    ~UnreadablePaths() { ::CloseHandle(pipe_); }
    UnreadablePaths(const UnreadablePaths&) = delete;
    UnreadablePaths& operator=(const UnreadablePaths&) = delete;

    std::vector<std::string> paths() const { return {R"(\\.\pipe\discada-hostile)", "CON", "NUL"}; }

private:
    HANDLE pipe_;
};
#elif defined(__EMSCRIPTEN__)
// A device, a broken link: under Node a pipe cannot be made (mkfifo makes an ordinary file).
class UnreadablePaths {
public:
    explicit UnreadablePaths(const ScratchFolder& folder) : folder_(folder) {
        std::filesystem::create_symlink(folder.path("nowhere.txt"), folder.path("dangling.txt"));
    }

    std::vector<std::string> paths() const { return {"/dev/zero", folder_.path("dangling.txt")}; }

private:
    const ScratchFolder& folder_;
};
#else
// A pipe with no writer, a device, a broken link.
class UnreadablePaths {
public:
    explicit UnreadablePaths(const ScratchFolder& folder) : folder_(folder) {
        EXPECT_EQ(::mkfifo(folder.path("pipe.txt").c_str(), 0600), 0);
        std::filesystem::create_symlink(folder.path("nowhere.txt"), folder.path("dangling.txt"));
    }

    std::vector<std::string> paths() const {
        return {folder_.path("pipe.txt"), "/dev/zero", folder_.path("dangling.txt")};
    }

private:
    const ScratchFolder& folder_;
};
#endif

TEST(BadRecordFiles, WhatIsNoReadableFileIsNotReadAndSaysNothing) {
    ScratchFolder folder;
    const std::string record = folder.path("record.txt");
    std::filesystem::create_directories(folder.path("a folder.txt"));
    writeBytes(folder.path("a folder.txt/inside.txt"), kThree);
    const UnreadablePaths unreadable(folder);

    // Each would hang or fail if read.
    std::vector<std::string> paths = unreadable.paths();
    paths.push_back(folder.path("a folder.txt"));
    paths.push_back(folder.path("absent.txt"));
    for (const std::string& path : paths) {
        GameTable t;
        startGame(t);
        expectOutcome(t, path, Outcome::NotRead, 0, path);
    }

    GameTable t;
    startGame(t);
    writeBytes(record, kThree);
    // The file goes away between the dialog's answer and the read.
    t.files.afterAnswer = [&](const FileChoice& choice) { std::filesystem::remove(choice.path); };
    expectOutcome(t, record, Outcome::NotRead, 0, "a file that vanished");
    EXPECT_FALSE(t.game.openDialog().lastError().empty());
}

}  // namespace
}  // namespace discada
