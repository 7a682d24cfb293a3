#include "game/discada.h"

#include <cassert>
#include <optional>

#include "game/app_info.h"
#include "game/commands.h"
#include "game/menu_bar.h"
#include "platform/surface.h"
#include "platform/window_host.h"
#include "record/record_text.h"
#include "record/save_record.h"

namespace discada {

namespace {

constexpr std::string_view kOpenTitle = "開く";
constexpr std::string_view kResultCaption = "結果";
constexpr std::string_view kBothBlocked = "両者置く場所がありません。\n終局です。";
constexpr std::string_view kSaveFailed = "棋譜の保存に失敗しました。";
constexpr std::string_view kLoadFailed = "棋譜の読み込みに失敗しました。";
constexpr std::string_view kDraw = "引き分け";
// Sixteen trailing spaces: on a panel that is not cleared they covered a longer earlier label.
constexpr std::string_view kGameOverLabel = "終局                ";

// The status panel's text rectangle, right of the board: [W + 25, W + 175) x [20, 200).
constexpr std::int32_t kPanelGap = 25;
constexpr std::int32_t kPanelWidth = 150;
constexpr std::int32_t kPanelTop = 20;
constexpr std::int32_t kPanelBottom = 200;

// The move list's entries and the panel's counts show their numbers in two characters at least.
constexpr std::size_t kNumberWidth = 2;

struct ModeTexts {
    // Every turn label ends in five spaces, which the panel prints as they stand.
    std::array<std::string_view, 2> turnLabels;
    std::array<std::string_view, 2> names;  // in the result line: black, then white
};

constexpr std::array<ModeTexts, 3> kModeTexts{{
    {{"先手の番(黒)     ", "後手の番(白)     "}, {"黒", "白"}},
    {{"CPUの番(黒)     ", "あなたの番(白)     "}, {"cpu", "あなた"}},
    {{"あなたの番(黒)     ", "CPUの番(白)     "}, {"あなた", "cpu"}},
}};

const ModeTexts& textsOf(GameMode mode) {
    return kModeTexts[static_cast<std::size_t>(mode)];
}

std::string_view colourName(DiscColor colour) {
    return colour == kBlack ? "黒" : "白";
}

// `value` right-aligned in at least `width` characters.
std::string rightAligned(std::int32_t value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// The menu item that sends the command of `level`; none for the hidden level.
std::optional<int> levelMenuItem(std::int32_t level) {
    for (const LevelCommand& entry : kLevelCommands) {
        if (entry.level == level && hasMenuItem(entry.commandId)) return entry.commandId;
    }
    return std::nullopt;
}

// How many discs the placement at the match's history cursor turned.
std::int32_t discsTurned(const DscProg& match) {
    std::int32_t turned = 0;
    for (std::int32_t i = match.flipCursor();
         i >= 0 && match.flipAt(i).moveIndex == match.moveCursor(); --i)
        ++turned;
    return turned;
}

// Whether the game a snapshot describes can be: settings in range, a loaded record (at least
// one placement, a two-person game) while replaying and all placements applied in play, and
// every placement legal in turn.
bool makesSense(const GameSnapshot& snapshot) {
    const std::int32_t count = static_cast<std::int32_t>(snapshot.placements.size());
    const bool settings = snapshot.level >= 0 && snapshot.level <= kLevelCommands.back().level &&
                          static_cast<std::size_t>(snapshot.mode) < kModeTexts.size();
    const bool position = snapshot.replayMode
                              ? snapshot.mode == GameMode::TwoPlayers && count > 0 &&
                                    snapshot.shown >= 0 && snapshot.shown <= count
                              : snapshot.shown == count;
    if (!settings || !position) return false;
    DscProg trial;
    trial.reset();
    for (const CellPos& cell : snapshot.placements) {
        if (!trial.makeMove(cell.column, cell.row)) return false;
    }
    return true;
}

bool holdsPlacement(std::string_view recordText) {
    DscProg trial;
    const auto startTrial = [&] { trial.reset(); };
    return readRecord(recordText, trial, startTrial, [] {}).placementsMade > 0;
}

}  // namespace

Discada::Discada(WindowHost& window, FileChooser& files, Clock& clock)
    : window_(window),
      openDialog_(files, kRecordFilters, "txt", "無題", ""),
      saveDialog_(files, kRecordFilters, "txt", "無題", ""),
      computer_(clock) {
    setLevel(1);
}

void Discada::newGame(GameMode mode) {
    clearGame(mode);
    if (mode == GameMode::ComputerBlack) computerTurn();
    setReplayMode(false);
}

void Discada::clearGame(GameMode mode) {
    match_.reset();
    window_.listReset();
    listEntries_ = 0;
    window_.listSelect(kNoListEntry);
    busy_ = false;
    computer_.setMode(mode);
    turnLabels_ = textsOf(mode).turnLabels;
}

ClickResult Discada::onBoardClick(std::int32_t x, std::int32_t y) {
    if (busy_ || replayMode_) return ClickResult::Refused;
    std::int32_t column = 0;
    std::int32_t row = 0;
    if (!match_.board().hitTest(x, y, column, row)) return ClickResult::NotOnCell;
    return placeAt(column, row);
}

ClickResult Discada::placeAt(std::int32_t column, std::int32_t row) {
    if (busy_ || replayMode_) return ClickResult::Refused;
    if (column < 1 || column > kBoardSize || row < 1 || row > kBoardSize)
        return ClickResult::NotOnCell;
    if (!match_.makeMove(column, row)) return ClickResult::NotLegal;
    const MatchStatus status = match_.status();
    afterMove(status);
    // The person's disc shows before the computer starts thinking.
    window_.paintNow();
    if (status != MatchStatus::Normal) return ClickResult::Done;
    if (static_cast<DiscColor>(computer_.mode()) == match_.sideToMove()) computerTurn();
    return ClickResult::Done;
}

void Discada::computerTurn() {
    busy_ = true;
    MatchStatus status = MatchStatus::Pass;
    while (status == MatchStatus::Pass) {
        const CellPos choice = computer_.think(match_);
        // The player only offers legal placements; stopping here keeps a faulty one from
        // looping on a stale pass.
        if (!match_.makeMove(choice.column, choice.row)) break;
        status = match_.status();
        afterMove(status);
    }
    busy_ = false;
}

void Discada::afterMove(MatchStatus status) {
    addListEntry();
    const std::string entry = listEntryText();
    window_.announce(entry.substr(entry.find_first_not_of(' ')) + "、" +
                     std::to_string(discsTurned(match_)) + "枚返しました");
    selectListEntry(match_.movesPlayed());
    window_.requestRepaint();
    switch (status) {
        case MatchStatus::Pass: {
            const std::string_view passer = turnLabel(opponentOf(match_.sideToMove()));
            window_.showMessage(std::string(passer) + "\n置く場所がありません。\nパスをします。",
                                kAppName, MessageIcon::Information);
            window_.requestRepaint();
            break;
        }
        case MatchStatus::NoMoves:
            window_.showMessage(kBothBlocked, kAppName, MessageIcon::Information);
            showResult();
            break;
        case MatchStatus::BoardFull:
            showResult();
            break;
        case MatchStatus::Normal:
            break;
    }
}

void Discada::showResult() {
    const ModeTexts& texts = textsOf(computer_.mode());
    const DscBoard& board = match_.board();
    const DiscColor winner = board.winner();
    const std::string line =
        winner == kEmpty
            ? std::string(kDraw)
            : std::string(texts.names[static_cast<std::size_t>(winner - 1)]) + "の勝ち";
    window_.showMessage("黒：" + std::to_string(board.discCount(kBlack)) + "\n白：" +
                            std::to_string(board.discCount(kWhite)) + "\n" + line,
                        kResultCaption, MessageIcon::Information);
    // Whatever became of it, the game is over and stays as it is.
    if (saveAtEnd_) static_cast<void>(saveGame());
}

void Discada::setLevel(std::int32_t level) {
    computer_.setLevel(level);
    // The marked item loses its mark even when it is the one chosen again: a desktop menu may
    // have toggled a chosen item by itself, and the window shows what the game says.
    if (checkedLevelItem_) window_.setMenuState(*checkedLevelItem_, {});
    checkedLevelItem_ = levelMenuItem(level);
    if (checkedLevelItem_) window_.setMenuState(*checkedLevelItem_, {.checked = true});
}

void Discada::toggleSaveAtEnd() {
    saveAtEnd_ = !saveAtEnd_;
    window_.setMenuState(command::kSaveAtEnd, {.checked = saveAtEnd_});
}

std::string Discada::listEntryText() const {
    const CellPos move = match_.currentMove();
    return rightAligned(match_.movesPlayed(), kNumberWidth) + "手目 " +
           std::string(colourName(match_.currentMoveColor())) + "(" + std::to_string(move.column) +
           ", " + std::to_string(move.row) + ")";
}

void Discada::addListEntry() {
    window_.listInsertTop(listEntryText());
    ++listEntries_;
}

std::int32_t Discada::indexOfPlacement(std::int32_t placement) const {
    return listEntries_ - placement;
}

void Discada::selectListEntry(std::int32_t placement) {
    window_.listSelect(indexOfPlacement(placement));
}

void Discada::selectStart() {
    window_.listSelect(indexOfPlacement(1));
    window_.listSelect(kNoListEntry);
}

void Discada::selectCurrent() {
    if (match_.movesPlayed() == 0) {
        selectStart();
    } else {
        selectListEntry(match_.movesPlayed());
    }
}

void Discada::setReplayMode(bool on) {
    if (on == replayMode_) return;
    replayMode_ = on;
    window_.showReplayButtons(on);
    window_.setMenuState(command::kUndo, {.greyed = on});
}

UndoResult Discada::undo() {
    if (match_.movesPlayed() < 2 || replayMode_) return {};
    DiscColor target = match_.sideToMove();
    if (target == static_cast<DiscColor>(computer_.mode())) target = opponentOf(target);
    std::int32_t taken = 0;
    while (match_.unmakeMove()) {
        ++taken;
        if (match_.sideToMove() == target) break;
    }
    // The entry of the position reached is selected before the entries above it go, so the list
    // keeps it selected.
    selectCurrent();
    for (std::int32_t i = 0; i < taken; ++i)
        window_.listDeleteTop();
    listEntries_ -= taken;
    return {.taken = taken};
}

std::int32_t Discada::replayBack(std::int32_t count) {
    std::int32_t n = 0;
    while (n < count && match_.unmakeMove())
        ++n;
    selectCurrent();
    return n;
}

std::int32_t Discada::replayForward(std::int32_t count) {
    std::int32_t n = 0;
    while (n < count && match_.redoMove())
        ++n;
    selectListEntry(match_.movesPlayed());
    return n;
}

SaveResult Discada::saveGame() {
    const SaveOutcome outcome = saveRecord(match_, saveDialog_);
    if (outcome == SaveOutcome::Failed) {
        window_.showMessage(kSaveFailed, kErrorCaption, MessageIcon::Warning);
    }
    return outcome == SaveOutcome::NothingToSave ? SaveResult::NothingToSave : SaveResult::Done;
}

LoadResult Discada::loadRecord() {
    const std::optional<std::string> bytes = openDialog_.openText(kRecordReadLimit, kOpenTitle);
    if (!bytes) return LoadResult::NothingRead;
    const std::string_view text = recordTextOf(*bytes);
    // A file without one usable placement must not cost the game on the board: it is tried on
    // a scratch match first, and the game is replaced only when the record holds a placement.
    if (!holdsPlacement(text)) {
        window_.showMessage(kLoadFailed, kErrorCaption, MessageIcon::Warning);
        return LoadResult::NothingUsable;
    }
    readRecord(
        text, match_, [this] { newGame(GameMode::TwoPlayers); }, [this] { addListEntry(); });
    setReplayMode(true);
    selectListEntry(match_.movesPlayed());
    window_.requestRepaint();
    return LoadResult::Loaded;
}

GameSnapshot Discada::snapshot() const {
    GameSnapshot snapshot{.mode = mode(),
                          .level = level(),
                          .saveAtEnd = saveAtEnd_,
                          .replayMode = replayMode_,
                          .placements = {},
                          .shown = match_.movesPlayed()};
    // In play the placements taken back are gone for good; a loaded record keeps them all.
    const std::int32_t kept = replayMode_ ? match_.redoLimit() : match_.movesPlayed();
    for (std::int32_t i = 0; i < kept; ++i)
        snapshot.placements.push_back({match_.moveAt(i).column, match_.moveAt(i).row});
    return snapshot;
}

RestoreResult Discada::restore(const GameSnapshot& snapshot) {
    if (busy_) return RestoreResult::NotNow;
    if (!makesSense(snapshot)) return RestoreResult::Impossible;
    setLevel(snapshot.level);
    if (saveAtEnd_ != snapshot.saveAtEnd) toggleSaveAtEnd();
    clearGame(snapshot.mode);
    for (const CellPos& cell : snapshot.placements) {
        [[maybe_unused]] const bool made = match_.makeMove(cell.column, cell.row);
        assert(made && "makesSense played it");
        addListEntry();
    }
    while (match_.movesPlayed() > snapshot.shown && match_.unmakeMove()) {
    }
    setReplayMode(snapshot.replayMode);
    selectCurrent();
    window_.requestRepaint();
    // The game shows as it was before the computer, if it was its turn, moves again.
    window_.paintNow();
    if (!replayMode_ && !match_.isOver() &&
        static_cast<DiscColor>(computer_.mode()) == match_.sideToMove())
        computerTurn();
    return RestoreResult::Restored;
}

void Discada::paint(Surface& target, const Surface& sprites) const {
    const DscBoard& board = match_.board();
    board.draw(target, sprites);
    const std::int32_t left = board.totalWidth() + kPanelGap;
    const Rect panel{left, kPanelTop, left + kPanelWidth, kPanelBottom};
    // The panel is cleared first, so no font leaves remains of a longer earlier text.
    target.fillRect(panel, kRgbWhite);
    target.drawText(panel, statusText());
}

std::string Discada::statusText() const {
    const std::string_view label =
        match_.isOver() ? kGameOverLabel : turnLabel(match_.sideToMove());
    const DscBoard& board = match_.board();
    return std::string(label) + "\n\n黒：" + rightAligned(board.discCount(kBlack), kNumberWidth) +
           " \n白：" + rightAligned(board.discCount(kWhite), kNumberWidth) + " ";
}

std::string_view Discada::turnLabel(DiscColor colour) const {
    return isPlayerColor(colour) ? turnLabels_[static_cast<std::size_t>(colour - 1)] : "";
}

}  // namespace discada
