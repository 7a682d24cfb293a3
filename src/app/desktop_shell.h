#pragma once

#include "game/commands.h"

class QWidget;

namespace discada {

class DocumentOpener;
class WindowHost;

// What the program does by itself rather than through the game: help, the version box, closing.
class DesktopShell final : public ShellCommands {
public:
    DesktopShell(WindowHost& window, DocumentOpener& opener, QWidget& mainWindow)
        : window_(window), opener_(opener), mainWindow_(mainWindow) {}

    // Opens the help file of the current working directory.
    void showHelp() override;
    void showVersion() override;
    // Closes the main window; with it the program ends.
    void close() override;

private:
    WindowHost& window_;
    DocumentOpener& opener_;
    QWidget& mainWindow_;
};

}  // namespace discada
