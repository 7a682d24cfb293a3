#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "game/discada.h"
#include "game/shell_commands.h"

namespace discada {

class Clock;
class DocumentOpener;
class FileChooser;
class Surface;
class WindowHost;

// What a front end hands its game: its adapters of the desktop's services and what only it does.
struct FrontEnd {
    WindowHost& window;
    FileChooser& files;
    Clock& clock;
    DocumentOpener& opener;
    // Where help looks when the working directory holds no help file; empty: nowhere else.
    std::filesystem::path installedHelpFolder = {};
    // Takes the window away; the game takes no input afterwards.
    std::function<void()> close = [] {};
    // Runs before help looks for its file: the page asks beside itself again.
    std::function<void()> beforeHelp = [] {};
};

// One game as every front end drives it: the controller, the commands the front ends carry out
// themselves and the one dispatch of command ids. A front end holds its adapters and wires its
// events to these calls; each call runs to its end before the next is made.
class GameSession {
public:
    explicit GameSession(FrontEnd frontEnd);
    // The controller and the shell commands refer to this object and to the front end.
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The start-up game: level 1, the person as black.
    void start();
    // Carries out one command of the menu, a key or a button: the id's low 16 bits select it,
    // unknown ids do nothing, and every command ends with a repaint request. True when the id
    // names a command.
    bool command(std::uint32_t commandId);
    // A left-button release at client pixel (x, y). A front end may drop the result: a refused
    // click shows nothing.
    ClickResult click(std::int32_t x, std::int32_t y);
    // A placement on `cell` chosen without a pointer (the keyboard, a screen reader): the same
    // as a click on the cell.
    ClickResult place(CellPos cell);
    // Renders the board and the status panel into `target`, the discs taken from `sprites`.
    void paint(Surface& target, const Surface& sprites) const;
    // The game as a short versioned text, from which restore puts it back: what a front end
    // keeps where the game must outlive a restart of its window.
    std::string snapshot() const;
    // Puts back the game of a snapshot text, which is checked as untrusted input; the game
    // stays as it was when refused. A computer's turn the snapshot stands at is played again.
    [[nodiscard]] RestoreResult restore(std::string_view snapshot);
    // The window's close box and command 900: the front end takes its window away, once.
    void close();
    bool closed() const { return closed_; }

    const Discada& game() const { return game_; }

private:
    bool carryOut(int commandId);

    WindowHost& window_;
    std::function<void()> close_;
    std::function<void()> beforeHelp_;
    Discada game_;
    ShellCommands shell_;
    bool closed_ = false;
};

}  // namespace discada
