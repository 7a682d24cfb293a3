#pragma once

#include <windows.h>

#include <filesystem>

#include "game/commands.h"

namespace discada {

class DocumentOpener;
class WindowHost;

// What the program does by itself rather than through the game: help, the version box, closing.
class Win32Shell final : public ShellCommands {
public:
    Win32Shell(HWND window, WindowHost& host, DocumentOpener& opener,
               std::filesystem::path programFolder)
        : window_(window), host_(host), opener_(opener), programFolder_(std::move(programFolder)) {}

    // Opens the help file of the working directory or, when it holds none, the one beside the
    // program.
    void showHelp() override;
    void showVersion() override;
    // Sends the close request and returns once it is handled: the window is then gone.
    void close() override;

private:
    HWND window_;
    WindowHost& host_;
    DocumentOpener& opener_;
    std::filesystem::path programFolder_;
};

}  // namespace discada
