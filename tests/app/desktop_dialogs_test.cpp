#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "app/dialog_translation.h"
#include "app/qt_file_chooser.h"
#include "app/qt_text.h"
#include "record/text_file_dialog.h"
#include "temp_folder.h"

namespace discada {
namespace {

// The test program installs the translation as the game does at start-up.
TEST(DialogTranslation, StandardButtonsSpeakJapaneseAndAMissingTranslationIsNoFailure) {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), "はい(&Y)");
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text(), "いいえ(&N)");

    const TempFolder empty("discada_no_translations");
    EXPECT_FALSE(
        installDialogTranslation(*QCoreApplication::instance(), toQString(empty.path().string())));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
}

// The real dialog, inspected from inside its own event loop and then closed whatever it shows,
// so that a failure ends the test at once; the checks come after the dialog has returned.
TEST(FileDialog, ShowsTheTypesAsWrittenAndAllFilesMatchesNamesWithoutADot) {
    const TempFolder folder("discada_file_types");
    for (const char* name : {"game.txt", "game", "game.bak"})
        std::ofstream(folder / name) << " 1:4,3(1)\r\n";

    std::string shownTypes = "(no file dialog)";
    int textRows = -1;
    int allRows = -1;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            const auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
            shownTypes = types ? "" : "(no type list)";
            for (int i = 0; types != nullptr && i < types->count(); ++i)
                shownTypes += toUtf8(types->itemText(i)) + "|";
            const auto rows = [list] { return list->model()->rowCount(list->rootIndex()); };
            if (list != nullptr && dialog->nameFilters().size() == 2) {
                std::ignore = QTest::qWaitFor([&] { return rows() == 1; });
                textRows = rows();
                dialog->selectNameFilter(dialog->nameFilters().at(1));
                std::ignore = QTest::qWaitFor([&] { return rows() == 3; });
                allRows = rows();
            }
        }
        if (modal != nullptr) modal->close();
    });
    QWidget owner;
    QtFileChooser chooser(owner);
    const FileChoice choice = chooser.choose({.kind = FileDialogKind::Open,
                                              .title = "開く",
                                              .filters = kRecordFilters,
                                              .defaultExtension = "txt",
                                              .initialPath = folder.path().string()});

    EXPECT_EQ(choice.outcome, FileChoiceOutcome::Cancelled);
    EXPECT_EQ(shownTypes, "text(*.txt)|All files(*.*)|");
    EXPECT_EQ(textRows, 1);
    EXPECT_EQ(allRows, 3);
}

}  // namespace
}  // namespace discada
