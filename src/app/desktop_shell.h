#pragma once

#include <filesystem>
#include <utility>

#include "game/commands.h"

class QWidget;

namespace discada {

class DocumentOpener;
class WindowHost;

// What the program does by itself rather than through the game: help, the version box, closing.
class DesktopShell final : public ShellCommands {
public:
    DesktopShell(WindowHost& window, DocumentOpener& opener, QWidget& mainWindow,
                 std::filesystem::path installedHelpFolder)
        : window_(window),
          opener_(opener),
          mainWindow_(mainWindow),
          installedHelpFolder_(std::move(installedHelpFolder)) {}

    // Opens the help file of the current working directory, or else the installed one.
    void showHelp() override;
    void showVersion() override;
    // Closes the main window; with it the program ends.
    void close() override;

private:
    WindowHost& window_;
    DocumentOpener& opener_;
    QWidget& mainWindow_;
    std::filesystem::path installedHelpFolder_;
};

}  // namespace discada
