#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ai/dsc_cpu.h"
#include "game/game_snapshot.h"
#include "match/dsc_prog.h"
#include "record/text_file_dialog.h"

namespace discada {

class Clock;
class FileChooser;
class Surface;
class WindowHost;

// What became of a click on the board. Every refusal shows nothing and changes nothing.
enum class ClickResult : std::int32_t {
    Done = 0,
    Refused = -1,    // the computer is moving, or a loaded record is being replayed
    NotOnCell = -2,  // beside the board, on its frame or on a line between cells
    NotLegal = -3,   // an occupied cell, one that turns nothing, or the game is over
};

// What became of the load command. On both failures the game on the board stays as it was.
enum class LoadResult : std::int32_t {
    Loaded = 0,
    NothingRead = -1,    // the dialog was cancelled or failed, or the file could not be read
    NothingUsable = -2,  // the file holds no placement that can be made
};

// What became of the save command.
enum class SaveResult : std::int32_t {
    Done = 0,  // the dialog was shown: saved, cancelled, or failed with the failure box shown
    NothingToSave = -1,  // no placement is applied, so no dialog opened
};

// What became of putting a game back from a snapshot. Refused, the game stays as it was.
enum class RestoreResult : std::int32_t {
    Restored = 0,
    Unreadable = -1,  // not a snapshot of this version: damaged, foreign or edited by hand
    Impossible = -2,  // well formed, but no game the rules allow
    NotNow = -3,      // the computer is moving, or the game is closed
};

// What the undo command did: the number of placements taken back, or refused with nothing
// changed (fewer than two placements, or replay mode).
struct UndoResult {
    static constexpr std::int32_t kRefused = -1;
    std::int32_t taken = kRefused;

    bool refused() const { return taken == kRefused; }
};

// The one object that runs the game: new games in three modes, clicks on the board, the
// computer's turns, the pass, end and result messages, the move list, undo, replay and the
// record commands. It reaches the window only through WindowHost, and tells it every change of
// the move list, the replay buttons and the menu's marks; it never reads them back.
class Discada {
public:
    // Sets level 1, with the check mark on its menu item.
    Discada(WindowHost& window, FileChooser& files, Clock& clock);
    // The window and the dialogs are kept by reference.
    Discada(const Discada&) = delete;
    Discada& operator=(const Discada&) = delete;

    // In mode 1 the computer has made its first placement when this returns.
    void newGame(GameMode mode);
    // A left-button release at client pixel (x, y); the computer's replies follow at once.
    [[nodiscard]] ClickResult onBoardClick(std::int32_t x, std::int32_t y);
    // A placement at cell (column, row), each from 1 to 8, as a click on that cell makes it:
    // chosen with the keyboard or a screen reader.
    [[nodiscard]] ClickResult placeAt(std::int32_t column, std::int32_t row);
    // Levels 0 to 2 check their menu item; any other level (the hidden 3) leaves all unchecked.
    void setLevel(std::int32_t level);
    void toggleSaveAtEnd();

    // Takes back placements until the person (in a two-person game: the side now to move) is to
    // move again, and their entries with them.
    [[nodiscard]] UndoResult undo();
    // The replay steps; each returns the number of placements it stepped over.
    std::int32_t replayBack(std::int32_t count);
    std::int32_t replayForward(std::int32_t count);
    // Saves the record up to the position shown; a failure box when it could not be written.
    [[nodiscard]] SaveResult saveGame();
    // Loads a record chosen in the open dialog into replay mode; a failure box when it holds
    // nothing usable.
    [[nodiscard]] LoadResult loadRecord();

    // The game as it stands: what restore needs to put it back.
    GameSnapshot snapshot() const;
    // Puts back the game a snapshot describes, after checking it as any input: its placements
    // are played by the rules. The board, the move list and its selection, the replay buttons
    // and the menu's marks become what they were; a computer's turn the snapshot stands at is
    // played again.
    [[nodiscard]] RestoreResult restore(const GameSnapshot& snapshot);

    // Renders the board and the status panel.
    void paint(Surface& target, const Surface& sprites) const;
    // The status panel's text: the turn label or the game-over label, then both disc counts.
    std::string statusText() const;

    const DscProg& match() const { return match_; }
    bool busy() const { return busy_; }
    bool replayMode() const { return replayMode_; }
    bool saveAtEnd() const { return saveAtEnd_; }
    std::int32_t level() const { return computer_.level(); }
    GameMode mode() const { return computer_.mode(); }

    // The dialog of the save command and the save-at-end option. It lives here beside the load
    // dialog rather than in the match, because records sit above matches in the layers; its path
    // survives new games.
    const TextFileDialog& saveDialog() const { return saveDialog_; }
    const TextFileDialog& openDialog() const { return openDialog_; }

private:
    // An empty board in `mode` with an empty list; the computer has not moved.
    void clearGame(GameMode mode);
    void computerTurn();
    // The list entry, the selection, a repaint and the pass, end and result messages of a
    // placement made in play.
    void afterMove(MatchStatus status);
    void showResult();
    // The move list's entry of the placement at the match's history cursor.
    std::string listEntryText() const;
    void addListEntry();
    void selectListEntry(std::int32_t placement);
    // After stepping back to the start: scroll to the oldest entry, then select nothing.
    void selectStart();
    void selectCurrent();
    void setReplayMode(bool on);
    std::string_view turnLabel(DiscColor colour) const;
    // The entry of placement n stands at index (entries - n); the first placement at the bottom.
    std::int32_t indexOfPlacement(std::int32_t placement) const;

    WindowHost& window_;
    TextFileDialog openDialog_;
    TextFileDialog saveDialog_;
    DscProg match_;
    DscCpu computer_;
    // The panel's label while black is to move, then while white is to move.
    std::array<std::string_view, 2> turnLabels_{};
    // The move list's entries: one per placement played, or per placement loaded while replaying.
    std::int32_t listEntries_ = 0;
    // The level item that carries the check mark; none at the hidden level.
    std::optional<int> checkedLevelItem_;
    bool busy_ = false;
    // The window starts with the replay buttons hidden and the undo item enabled.
    bool replayMode_ = false;
    bool saveAtEnd_ = false;
};

}  // namespace discada
