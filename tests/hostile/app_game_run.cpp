// One whole game of the desktop program, scripted, for a run under a leak checker: the real main
// window and event loop, with message boxes answered at once, file dialogs answered with a
// scratch file and the computer's thinking time skipped. Exits 0 when the script ran through
// and the program closed as it does for a person; 1 with a reason otherwise.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "app/board_view.h"
#include "app/main_window.h"
#include "app/message_sink.h"
#include "cli/no_wait_clock.h"
#include "game/commands.h"
#include "game/discada.h"
#include "platform/file_chooser.h"
#include "temp_folder.h"

namespace discada {
namespace {

class ClosedMessages final : public MessageSink {
public:
    void show(std::string_view /*text*/, std::string_view caption, MessageIcon /*icon*/) override {
        results += caption == "結果" ? 1 : 0;
    }
    int results = 0;
};

class RecordFile final : public FileChooser {
public:
    explicit RecordFile(std::string path) : path_(std::move(path)) {}
    FileChoice choose(const FileRequest& /*request*/) override {
        return {FileChoiceOutcome::Chosen, path_};
    }

private:
    std::string path_;
};

class Script {
public:
    explicit Script(MainWindow& window) : window_(window) {}

    // Runs inside the event loop; the last step closes the window, which ends the loop.
    void run() {
        playToEnd();
        command(command::kSaveRecord);
        const std::int32_t played = game().match().movesPlayed();
        command(command::kLoadRecord);
        clickButton("<<");
        clickButton(">>");
        if (!game().replayMode() || game().match().movesPlayed() != played) {
            fail("the saved game did not reload");
        }
        command(command::kNewGameTwoPlayers);
        for (int i = 0; i < 6; ++i)
            clickLegal();
        command(command::kUndo);
        command(command::kClose);
    }
    const std::string& failure() const { return failure_; }

private:
    const Discada& game() const { return window_.game(); }
    void command(int id) { window_.menuItem(id)->trigger(); }
    void fail(const std::string& reason) {
        if (failure_.empty()) failure_ = reason;
    }

    void clickLegal() {
        std::array<CellPos, kCellListCapacity> list;
        const DscProg& match = game().match();
        const std::int32_t n = match.board().listMoves(match.sideToMove(), list, kCellListCapacity);
        if (n == 0) return fail("no placement to click");
        const CellPos m = list[random_() % static_cast<unsigned>(n)];
        const Cell& cell = match.board().cellAt(m.column, m.row);
        QTest::mouseClick(window_.findChild<BoardView*>(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(cell.x() + 20, cell.y() + 20));
    }
    void playToEnd() {
        for (int clicks = 0; !game().match().isOver(); ++clicks) {
            if (clicks > 60) return fail("the game did not end");
            clickLegal();
        }
    }
    void clickButton(const char* caption) {
        for (QPushButton* button : window_.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String(caption)) QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    MainWindow& window_;
    std::mt19937 random_{1};
    std::string failure_;
};

}  // namespace
}  // namespace discada

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const discada::TempFolder folder("discada-app-game-run");
    const std::filesystem::path record = folder / "game.txt";
    discada::ClosedMessages messages;
    discada::RecordFile files(record.string());
    discada::NoWaitClock clock;
    discada::DesktopServices services;
    services.messages = &messages;
    services.files = &files;
    services.clock = &clock;
    discada::MainWindow window(services);
    window.show();
    discada::Script script(window);
    QTimer::singleShot(0, &window, [&] { script.run(); });
    const int exitCode = application.exec();
    if (exitCode != 0 || !script.failure().empty() || messages.results != 1) {
        std::fprintf(stderr, "app game run failed: %s (exit %d, %d result boxes)\n",
                     script.failure().c_str(), exitCode, messages.results);
        return 1;
    }
    std::printf("app game run: one whole game, saved, reloaded, replayed, closed\n");
    return 0;
}
