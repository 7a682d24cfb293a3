#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_document_opener.h"
#include "game/commands.h"
#include "temp_folder.h"
#include "window_table.h"

namespace discada {
namespace {

// A stand-in for xdg-open, first on PATH while it lives: each run waits the delay and exits with
// the code last given to `behave`.
class FakeXdgOpen {
public:
    FakeXdgOpen() : savedPath_(qgetenv("PATH")) {
        const auto script = folder_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\nsleep \"$FAKE_XDG_OPEN_DELAY\"\n"
                                 "exit \"$FAKE_XDG_OPEN_EXIT\"\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray::fromStdString(folder_.path().string()) + ':' + savedPath_);
        behave("0", 0);
    }
    ~FakeXdgOpen() { qputenv("PATH", savedPath_); }

    void behave(const char* delaySeconds, int exitCode) {
        qputenv("FAKE_XDG_OPEN_DELAY", delaySeconds);
        qputenv("FAKE_XDG_OPEN_EXIT", QByteArray::number(exitCode));
    }
    // Leaves no xdg-open to be found.
    void remove() { qputenv("PATH", QByteArray()); }

private:
    TempFolder folder_{"discada_fake_viewer"};
    QByteArray savedPath_;
};

TEST(DesktopViewer, ReportsOnlyAFailureOfXdgOpenWithinTheWatch) {
    FakeXdgOpen xdgOpen;
    int failures = 0;
    int lateFailures = 0;
    QtDocumentOpener opener([&] { ++failures; });
    QtDocumentOpener hasty([&] { ++lateFailures; }, std::chrono::milliseconds(200));

    EXPECT_TRUE(opener.open("readme.txt"));
    xdgOpen.behave("0.5", 4);
    EXPECT_TRUE(hasty.open("readme.txt"));
    xdgOpen.behave("0.8", 3);
    EXPECT_TRUE(opener.open("readme.txt"));
    EXPECT_EQ(failures, 0);

    // The last run fails last; by then the others have ended too.
    EXPECT_TRUE(QTest::qWaitFor([&] { return failures > 0; }));
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(lateFailures, 0);

    xdgOpen.remove();
    EXPECT_FALSE(opener.open("readme.txt"));
}

TEST(MainWindow, HelpWhoseViewerFailsAfterStartingShowsTheFailureBoxWithoutWaitingForIt) {
    FakeXdgOpen xdgOpen;
    xdgOpen.behave("0", 3);
    const TempFolder folder("discada_failing_viewer");
    std::ofstream(folder / "readme.txt") << "help\n";
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);

    RecordingMessages messages;
    ScriptedFiles files;
    FakeClock clock;
    MainWindow window({.messages = &messages,
                       .files = &files,
                       .opener = nullptr,
                       .clock = &clock,
                       .installedHelpFolder = {}});
    window.menuItem(command::kHelp)->trigger();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Error|warning|ヘルプファイルの表示に失敗しました。"});
}

}  // namespace
}  // namespace discada
