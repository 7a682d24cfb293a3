#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <filesystem>
#include <fstream>

#include "game/commands.h"
#include "game/menu_bar.h"
#include "game/window_layout.h"
#include "temp_folder.h"
#include "window_table.h"

namespace discada {
namespace {

// One line per menu entry: "title" for a menu, "-" for a separator, "> title" for a sub-menu's
// items' owner, indented items; enough to compare the whole bar in order.
void describeMenu(const QMenu& menu, const QString& indent, QStringList& lines) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines << indent + "-";
        } else if (action->menu() != nullptr) {
            lines << indent + "> " + action->text();
            describeMenu(*action->menu(), indent + "  ", lines);
        } else {
            lines << indent + action->text();
        }
    }
}

// Pixels in the square at the left end of a menu item, where its check mark goes, that differ
// from the item's background. The item's area takes in the menu's frame: 2 pixels stay out.
int inkInCheckColumn(const QMenu& menu, const QImage& image, QAction* item) {
    const QRect area = menu.actionGeometry(item).adjusted(2, 2, -2, -2);
    const QRgb background = image.pixel(area.right(), area.center().y());
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x < area.left() + area.height(); ++x)
            ink += image.pixel(x, y) != background ? 1 : 0;
    }
    return ink;
}

TEST(MainWindow, StartsFixedAndCentredWithAnEmptyListAndHiddenReplayButtons) {
    WindowTable table;
    EXPECT_EQ(table.window.windowTitle(), "DiscadaGame");
    EXPECT_EQ(table.window.minimumSize(), table.window.maximumSize());
    EXPECT_FALSE(table.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(table.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(table.view().size(), QSize(524, 368));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const WindowPosition at = centredWindowPosition(screen.width(), screen.height());
    EXPECT_EQ(table.window.pos(), QPoint(at.x, at.y));

    EXPECT_EQ(table.moveList().pos(), QPoint(385, 120));
    EXPECT_EQ(table.moveList().width(), 130);
    EXPECT_TRUE(table.moveList().isVisible());
    EXPECT_EQ(table.moveList().count(), 0);
    const std::array<const char*, 4> captions = {"<<", "<", ">", ">>"};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = table.button(captions[i]);
        ASSERT_NE(button, nullptr) << captions[i];
        EXPECT_EQ(button->geometry(), QRect(385 + 36 * i, 330, 20, 20));
        EXPECT_FALSE(button->isVisible());
    }
}

TEST(MainWindow, MoveListShowsWholeRowsOnly) {
    WindowTable table;
    QListWidget& list = table.moveList();
    for (int i = 0; i < 30; ++i)
        list.addItem(QStringLiteral("%1手目 黒(4, 3)").arg(i + 1, 2));
    const int rowHeight = list.sizeHintForRow(0);
    EXPECT_EQ(list.viewport()->height() % rowHeight, 0);
    EXPECT_LE(list.height(), 200);
    EXPECT_GT(list.height(), 200 - rowHeight);
}

TEST(MainWindow, MenuBarHoldsEveryItemInOrderWithLevelOneChecked) {
    WindowTable table;
    QStringList lines;
    for (const QAction* top : table.window.menuBar()->actions()) {
        lines << top->text();
        describeMenu(*top->menu(), "  ", lines);
    }
    QStringList expected;
    QString indent;
    for (const MenuEntry& entry : kMenuBar) {
        const QString text = QString::fromStdString(menuText(entry));
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                expected << text;
                indent = "  ";
                break;
            case MenuEntryKind::SubMenu:
                expected << indent + "> " + text;
                indent += "  ";
                break;
            case MenuEntryKind::EndSubMenu:
                indent.chop(2);
                break;
            case MenuEntryKind::Separator:
                expected << indent + "-";
                break;
            case MenuEntryKind::Item:
            case MenuEntryKind::CheckItem:
                expected << indent + text;
                break;
        }
    }
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(table.window.menuItem(command::kLevel0)->isChecked());
    EXPECT_TRUE(table.window.menuItem(command::kLevel1)->isChecked());
    EXPECT_FALSE(table.window.menuItem(command::kLevel2)->isChecked());
    EXPECT_TRUE(table.window.menuItem(command::kUndo)->isEnabled());
}

TEST(MainWindow, ReleaseOnACellPlacesADiscAndTheComputerAnswers) {
    WindowTable table;
    table.click(4, 3);
    EXPECT_EQ(table.cell(4, 3), kBlack);
    EXPECT_EQ(table.moves(), 2);
    EXPECT_EQ(table.moveList().count(), 2);
    EXPECT_EQ(table.window.game().match().sideToMove(), kBlack);
}

TEST(MainWindow, OnlyTheLeftButtonsReleasePointCounts) {
    WindowTable table;
    const QPoint cell = WindowTable::cellCentre(4, 3);
    const QPoint offBoard(450, 60);
    QTest::mousePress(&table.view(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseRelease(&table.view(), Qt::LeftButton, Qt::NoModifier, offBoard);
    QTest::mouseClick(&table.view(), Qt::RightButton, Qt::NoModifier, cell);
    EXPECT_EQ(table.moves(), 0);
    EXPECT_EQ(table.cell(4, 3), kEmpty);

    QTest::mousePress(&table.view(), Qt::LeftButton, Qt::NoModifier, offBoard);
    QTest::mouseRelease(&table.view(), Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_EQ(table.cell(4, 3), kBlack);
}

TEST(MainWindow, AcceleratorKeysReachTheirCommandsWhileTheMoveListHasFocus) {
    WindowTable table;
    const TempFolder folder("discada_app_keys");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);

    table.click(4, 3);
    table.key(Qt::Key_F10);
    EXPECT_EQ(table.moves(), 0);
    EXPECT_EQ(table.moveList().count(), 0);

    table.click(4, 3);
    table.key(Qt::Key_F2);
    EXPECT_EQ(table.moves(), 0);
    EXPECT_EQ(table.cell(4, 3), kEmpty);

    table.controlKey(Qt::Key_O);
    table.controlKey(Qt::Key_O, Qt::ShiftModifier);
    EXPECT_EQ(table.files.requests.size(), 2u);

    table.key(Qt::Key_F1);
    ASSERT_EQ(table.messages.shown.size(), 1u);
    EXPECT_EQ(table.messages.shown[0], "Error|warning|ヘルプファイルが見つかりません。");
    std::ofstream(folder / "Readme.txt") << "help\n";
    table.key(Qt::Key_F1);
    ASSERT_EQ(table.opener.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(table.opener.opened[0]).filename(), "Readme.txt");

    table.key(Qt::Key_X, Qt::ShiftModifier);
    table.key(Qt::Key_X, Qt::ControlModifier);
    table.key(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(table.window.isVisible());
    table.key(Qt::Key_X);
    EXPECT_FALSE(table.window.isVisible());
    std::filesystem::current_path(previous);
}

TEST(MainWindow, HelpFromAFolderWithoutTheFileOpensTheInstalledOne) {
    const TempFolder installed("discada_app_installed_help");
    std::ofstream(installed / "readme.txt") << "help\n";
    WindowTable table(installed);
    const TempFolder working("discada_app_started_from_menu");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(working);
    table.key(Qt::Key_F1);
    std::filesystem::current_path(previous);
    EXPECT_TRUE(table.messages.shown.empty());
    EXPECT_EQ(table.opener.opened, std::vector<std::string>{(installed / "readme.txt").string()});
}

TEST(MainWindow, CheckMarksFollowTheControllerNotQtsOwnToggling) {
    WindowTable table;
    QAction* level0 = table.window.menuItem(command::kLevel0);
    QAction* level1 = table.window.menuItem(command::kLevel1);
    QAction* level2 = table.window.menuItem(command::kLevel2);
    level2->trigger();
    EXPECT_EQ(table.window.game().level(), 2);
    EXPECT_FALSE(level0->isChecked() || level1->isChecked());
    EXPECT_TRUE(level2->isChecked());
    // Choosing the level already set keeps its mark.
    level2->trigger();
    EXPECT_TRUE(level2->isChecked());
    level0->trigger();
    EXPECT_TRUE(level0->isChecked());
    EXPECT_FALSE(level2->isChecked());

    QAction* saveAtEnd = table.window.menuItem(command::kSaveAtEnd);
    saveAtEnd->trigger();
    EXPECT_TRUE(saveAtEnd->isChecked());
    EXPECT_TRUE(table.window.game().saveAtEnd());
    saveAtEnd->trigger();
    EXPECT_FALSE(saveAtEnd->isChecked());
    EXPECT_FALSE(table.window.game().saveAtEnd());
}

TEST(MainWindow, OnlyACheckedMenuItemShowsAMarkAndNoItemABox) {
    WindowTable table;
    QAction* level1 = table.window.menuItem(command::kLevel1);
    auto* levels = qobject_cast<QMenu*>(level1->parent());
    ASSERT_NE(levels, nullptr);
    levels->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(levels));
    const QImage image = levels->grab().toImage();
    levels->hide();
    EXPECT_EQ(inkInCheckColumn(*levels, image, table.window.menuItem(command::kLevel0)), 0);
    EXPECT_GT(inkInCheckColumn(*levels, image, level1), 0);
    EXPECT_EQ(inkInCheckColumn(*levels, image, table.window.menuItem(command::kLevel2)), 0);
}

TEST(MainWindow, LoadedRecordStepsThroughTheReplayButtonsWithUndoGreyed) {
    WindowTable table;
    const TempFolder folder("discada_app_replay");
    const auto record = folder / "game.txt";
    std::ofstream(record, std::ios::binary) << " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n";
    table.files.answerWith(record.string());
    table.controlKey(Qt::Key_O);

    ASSERT_EQ(table.moves(), 3);
    EXPECT_EQ(table.moveList().count(), 3);
    for (const char* caption : {"<<", "<", ">", ">>"}) {
        EXPECT_TRUE(table.button(caption)->isVisible()) << caption;
    }
    EXPECT_FALSE(table.window.menuItem(command::kUndo)->isEnabled());
    table.key(Qt::Key_F10);
    const CellPos legal = legalOf(table.window.game().match()).front();
    table.click(legal.column, legal.row);
    EXPECT_EQ(table.moves(), 3);

    QTest::mouseClick(table.button("<"), Qt::LeftButton);
    EXPECT_EQ(table.moves(), 2);
    EXPECT_EQ(table.moveList().currentRow(), 1);
    QTest::mouseClick(table.button("<<"), Qt::LeftButton);
    EXPECT_EQ(table.moves(), 0);
    EXPECT_EQ(table.moveList().currentRow(), -1);
    QTest::mouseClick(table.button(">"), Qt::LeftButton);
    EXPECT_EQ(table.moves(), 1);
    QTest::mouseClick(table.button(">>"), Qt::LeftButton);
    EXPECT_EQ(table.moves(), 3);
    EXPECT_EQ(table.moveList().count(), 3);

    table.key(Qt::Key_F2);
    EXPECT_FALSE(table.button("<")->isVisible());
    EXPECT_TRUE(table.window.menuItem(command::kUndo)->isEnabled());
}

TEST(MainWindow, VersionBoxNamesTheProgramWithoutAnIcon) {
    WindowTable table;
    table.window.menuItem(command::kVersion)->trigger();
    EXPECT_EQ(table.messages.shown,
              std::vector<std::string>{"バージョン情報|none|DiscadaGame\tVer.1.2"});
}

}  // namespace
}  // namespace discada
