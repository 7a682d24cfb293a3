#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ai/dsc_cpu.h"
#include "match/dsc_prog.h"
#include "record/text_file_dialog.h"

namespace discada {

class Clock;
class FileChooser;
class Surface;
class WindowHost;

// The one object that runs the game: new games in three modes, clicks on the board, the
// computer's turns, the pass, end and result messages, the move list, undo, replay and the
// record commands. It reaches the window only through WindowHost.
class Discada {
public:
    Discada(WindowHost& window, FileChooser& files, Clock& clock);
    Discada(const Discada&) = delete;
    Discada& operator=(const Discada&) = delete;

    std::int32_t newGame(GameMode mode);
    // 0 done; -1 refused (busy or replay mode); -2 not on a cell; -3 not a legal placement.
    std::int32_t onBoardClick(std::int32_t x, std::int32_t y);
    std::int32_t computerTurn();
    std::int32_t afterMove(MatchStatus status);
    std::int32_t showResult();
    void setLevel(std::int32_t level);
    std::int32_t toggleSaveAtEnd();
    std::int32_t addListEntry();
    std::int32_t selectListEntry(std::int32_t placement);
    std::int32_t setReplayMode(bool on);

    // The number of placements taken back, -1 when refused.
    std::int32_t undo();
    std::int32_t replayBack(std::int32_t count);
    std::int32_t replayForward(std::int32_t count);
    // -1 when no placement is applied, otherwise 0.
    std::int32_t saveGame();
    // 0 loaded; -1 no file read; -2 nothing usable. On -1 and -2 the game stays as it was.
    std::int32_t loadRecord();

    // Renders the board and the status panel.
    std::int32_t paint(Surface& target, const Surface& sprites) const;
    // The status panel's text: the turn label or the game-over label, then both disc counts.
    std::string statusText() const;

    const DscProg& match() const { return match_; }
    bool busy() const { return busy_; }
    bool replayMode() const { return replayMode_; }
    bool saveAtEnd() const { return saveAtEnd_; }
    std::int32_t level() const { return computer_.level(); }
    GameMode mode() const { return computer_.mode(); }
    std::string_view turnLabel(DiscColor colour) const;

    // The dialog of the save command and the save-at-end option. It lives here beside the load
    // dialog rather than in the match, because records sit above matches in the layers; its path
    // survives new games.
    TextFileDialog& saveDialog() { return saveDialog_; }
    const TextFileDialog& openDialog() const { return openDialog_; }

private:
    // The entry of placement n stands at index (entries - n); the first placement at the bottom.
    std::int32_t indexOfPlacement(std::int32_t placement) const;
    // After stepping back to the start: scroll to the oldest entry, then select nothing.
    void selectStart();
    void selectCurrent();

    WindowHost& window_;
    TextFileDialog openDialog_;
    TextFileDialog saveDialog_;
    DscProg match_;
    DscCpu computer_;
    // The panel's label while black is to move, then while white is to move.
    std::array<std::string_view, 2> turnLabels_{};
    bool busy_ = false;
    bool replayMode_ = false;
    bool saveAtEnd_ = false;
};

}  // namespace discada
