#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/board_view.h"
#include "app/main_window.h"
#include "app/message_sink.h"
#include "game/discada.h"
#include "game/game_table.h"

namespace discada {

// Records every message box instead of showing it, as "CAPTION|ICON|TEXT".
class RecordingMessages final : public MessageSink {
public:
    void show(std::string_view text, std::string_view caption, MessageIcon icon) override {
        const char* iconName[] = {"none", "information", "warning"};
        shown.push_back(std::string(caption) + "|" + iconName[static_cast<int>(icon)] + "|" +
                        std::string(text));
    }

    std::vector<std::string> shown;
};

// The real main window with scripted desktop services, shown and active on the offscreen screen.
struct WindowTable {
    explicit WindowTable(std::filesystem::path installedHelpFolder = {})
        : window({&messages, &files, &opener, &clock, std::move(installedHelpFolder)}) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    BoardView& view() { return *window.findChild<BoardView*>(); }
    QListWidget& moveList() { return *window.findChild<QListWidget*>(); }
    QPushButton* button(const char* caption) {
        for (QPushButton* b : window.findChildren<QPushButton*>()) {
            if (b->text() == QLatin1String(caption)) return b;
        }
        return nullptr;
    }

    static QPoint cellCentre(int column, int row) { return {42 * column - 5, 42 * row - 5}; }
    void click(int column, int row) {
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, cellCentre(column, row));
    }
    // Sends a key to the move list, as a person would with the list focused.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        moveList().setFocus();
        QTest::keyClick(&moveList(), key, modifiers);
    }
    // Ctrl with a letter, which types a control character as a keyboard does: Ctrl+O types 0x0F.
    void controlKey(Qt::Key letter, Qt::KeyboardModifiers more = Qt::NoModifier) {
        moveList().setFocus();
        const QChar typed(letter - Qt::Key_A + 1);
        QTest::sendKeyEvent(QTest::Click, &moveList(), letter, QString(typed),
                            Qt::ControlModifier | more);
    }
    int moves() const { return window.game().match().movesPlayed(); }
    DiscColor cell(int column, int row) const {
        return window.game().match().board().stateAt(column, row);
    }

    RecordingMessages messages;
    ScriptedFiles files;
    RecordingOpener opener;
    FakeClock clock;
    MainWindow window;
};

}  // namespace discada
