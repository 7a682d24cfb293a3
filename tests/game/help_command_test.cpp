#include "game/help_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "recording_opener.h"
#include "recording_window.h"
#include "temp_folder.h"

namespace discada {
namespace {

void writeFile(const std::filesystem::path& path) {
    std::ofstream(path) << "help\n";
}

const std::string kNotFound = "Error|warning|ヘルプファイルが見つかりません。";

TEST(HelpCommand, OpensTheHelpFileWhateverTheCaseOfItsName) {
    for (const char* name : {"readme.txt", "Readme.txt", "README.TXT"}) {
        const TempFolder folder("discada_help");
        writeFile(folder / name);
        RecordingWindow window;
        RecordingOpener opener;
        EXPECT_EQ(runHelpCommand(window, opener, folder), HelpOutcome::Opened) << name;
        ASSERT_EQ(opener.opened.size(), 1u) << name;
        // The same file, whether or not the file system tells the spellings apart.
        EXPECT_TRUE(std::filesystem::equivalent(opener.opened[0], folder / name)) << name;
        EXPECT_TRUE(window.messages.empty()) << name;
    }
}

TEST(HelpCommand, PrefersTheLowerCaseNameWhenBothSpellingsExist) {
    const TempFolder folder("discada_help");
    writeFile(folder / "Readme.txt");
    writeFile(folder / "readme.txt");
    EXPECT_EQ(findHelpFile(folder), folder / "readme.txt");
}

TEST(HelpCommand, MissingFileIsReportedAndNoViewerStarts) {
    const TempFolder folder("discada_help");
    writeFile(folder / "readme.txt.bak");
    std::filesystem::create_directory(folder / "Readme.txt");
    RecordingWindow window;
    RecordingOpener opener;
    EXPECT_EQ(runHelpCommand(window, opener, folder), HelpOutcome::NotFound);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(window.messages, std::vector<std::string>{kNotFound});

    EXPECT_EQ(runHelpCommand(window, opener, folder / "no such folder"), HelpOutcome::NotFound);
}

TEST(HelpCommand, ViewerThatFailsIsReported) {
    const TempFolder folder("discada_help");
    writeFile(folder / "readme.txt");
    RecordingWindow window;
    RecordingOpener opener;
    opener.succeeds = false;
    EXPECT_EQ(runHelpCommand(window, opener, folder), HelpOutcome::ViewerFailed);
    EXPECT_EQ(window.messages,
              std::vector<std::string>{"Error|warning|ヘルプファイルの表示に失敗しました。"});
}

TEST(HelpCommand, InstalledHelpFileServesOnlyWhenTheWorkingFolderHasNone) {
    const TempFolder base("discada_help");
    const auto working = base / "working";
    const auto installed = base / "share" / "doc" / "discada";
    std::filesystem::create_directories(working);
    std::filesystem::create_directories(installed);
    RecordingWindow window;
    RecordingOpener opener;

    EXPECT_EQ(runHelpCommand(window, opener, working, installed), HelpOutcome::NotFound);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(window.messages, std::vector<std::string>{kNotFound});

    writeFile(installed / "readme.txt");
    EXPECT_EQ(runHelpCommand(window, opener, working, installed), HelpOutcome::Opened);
    writeFile(working / "Readme.txt");
    EXPECT_EQ(runHelpCommand(window, opener, working, installed), HelpOutcome::Opened);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0], (installed / "readme.txt").string());
    EXPECT_TRUE(std::filesystem::equivalent(opener.opened[1], working / "Readme.txt"));

    std::filesystem::remove(working / "Readme.txt");
    opener.succeeds = false;
    window.messages.clear();
    EXPECT_EQ(runHelpCommand(window, opener, working, installed), HelpOutcome::ViewerFailed);
    EXPECT_EQ(window.messages,
              std::vector<std::string>{"Error|warning|ヘルプファイルの表示に失敗しました。"});
}

TEST(HelpCommand, NoInstalledFolderDoesNotMeanTheWorkingDirectory) {
    const TempFolder base("discada_help");
    std::filesystem::create_directories(base / "empty");
    writeFile(base / "readme.txt");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(base);
    RecordingWindow window;
    RecordingOpener opener;
    const HelpOutcome outcome = runHelpCommand(window, opener, base / "empty", {});
    std::filesystem::current_path(previous);
    EXPECT_EQ(outcome, HelpOutcome::NotFound);
    EXPECT_TRUE(opener.opened.empty());
}

}  // namespace
}  // namespace discada
