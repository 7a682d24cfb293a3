#pragma once

#include <filesystem>
#include <functional>

namespace discada {

class DocumentOpener;
class WindowHost;

// The commands a front end carries out itself rather than through the game: help, the version
// box and closing. Every front end uses this one; only what closing does is its own.
class ShellCommands {
public:
    // `installedHelpFolder` is where help looks when the working directory holds no help file
    // (empty: nowhere else).
    ShellCommands(WindowHost& window, DocumentOpener& opener,
                  std::filesystem::path installedHelpFolder, std::function<void()> close);

    // Opens the help file with the desktop's viewer; a warning box when there is none to open
    // or no viewer could show it.
    void showHelp();
    // The program's name, a tab and the version text, without an icon.
    void showVersion();
    void close();

private:
    WindowHost& window_;
    DocumentOpener& opener_;
    std::filesystem::path installedHelpFolder_;
    std::function<void()> close_;
};

}  // namespace discada
