#include <QApplication>
#include <filesystem>

#include "app/dialog_translation.h"
#include "app/main_window.h"
#include "app/qt_text.h"

namespace {

// `cmake --install` puts the help file here, relative to the program's own folder, so an
// installed game finds it under any prefix.
std::filesystem::path installedHelpFolder() {
    const std::filesystem::path programFolder = discada::toUtf8(QApplication::applicationDirPath());
    return (programFolder / DISCADA_HELP_FOLDER_FROM_PROGRAM).lexically_normal();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Without the translation the dialogs stay English; the game runs all the same.
    discada::installDialogTranslation(application);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("discada"));
    discada::MainWindow window({.installedHelpFolder = installedHelpFolder()});
    window.show();
    // Closing the window ends the loop with 0.
    return application.exec();
}
