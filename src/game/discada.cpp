#include "game/discada.h"

#include <cstdio>
#include <optional>

#include "game/app_info.h"
#include "game/commands.h"
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
constexpr std::string_view kDraw = "引き分け";
// Sixteen trailing spaces: on a panel that is not cleared they covered a longer earlier label.
constexpr std::string_view kGameOverLabel = "終局                ";

constexpr std::array<int, 3> kLevelMenuItems{command::kLevel0, command::kLevel1, command::kLevel2};

// The status panel's text rectangle, right of the board: [W + 25, W + 175) x [20, 200).
constexpr std::int32_t kPanelGap = 25;
constexpr std::int32_t kPanelWidth = 150;
constexpr std::int32_t kPanelTop = 20;
constexpr std::int32_t kPanelBottom = 200;

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

bool holdsPlacement(std::string_view recordText) {
    DscProg trial;
    const auto startTrial = [&] { trial.reset(); };
    return readRecord(recordText, trial, startTrial, [] {}).placementsMade > 0;
}

// printf-style formatting into a string; the texts here are short and fixed in shape.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

}  // namespace

Discada::Discada(WindowHost& window, FileChooser& files, Clock& clock)
    : window_(window),
      openDialog_(files, kRecordFilters, "txt", "無題", ""),
      saveDialog_(files, kRecordFilters, "txt", "無題", ""),
      computer_(clock) {
    setLevel(1);
}

std::int32_t Discada::newGame(GameMode mode) {
    match_.reset();
    window_.listReset();
    selectListEntry(-1);
    busy_ = false;
    computer_.setMode(mode);
    turnLabels_ = textsOf(mode).turnLabels;
    if (mode == GameMode::ComputerBlack) computerTurn();
    setReplayMode(false);
    return 0;
}

std::int32_t Discada::onBoardClick(std::int32_t x, std::int32_t y) {
    if (busy_ || replayMode_) return -1;
    std::int32_t column = 0;
    std::int32_t row = 0;
    if (!match_.board().hitTest(x, y, column, row)) return -2;
    if (!match_.makeMove(column, row)) return -3;
    const MatchStatus status = match_.status();
    afterMove(status);
    // The person's disc shows before the computer starts thinking.
    window_.paintNow();
    if (status != MatchStatus::Normal) return 0;
    if (static_cast<DiscColor>(computer_.mode()) == match_.sideToMove()) computerTurn();
    return 0;
}

std::int32_t Discada::computerTurn() {
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
    return 0;
}

std::int32_t Discada::afterMove(MatchStatus status) {
    addListEntry();
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
    return 0;
}

std::int32_t Discada::showResult() {
    const ModeTexts& texts = textsOf(computer_.mode());
    const DscBoard& board = match_.board();
    const DiscColor winner = board.winner();
    const std::string line =
        winner == kEmpty
            ? std::string(kDraw)
            : std::string(texts.names[static_cast<std::size_t>(winner - 1)]) + "の勝ち";
    window_.showMessage(format("黒：%d\n白：%d\n%s", board.discCount(kBlack),
                               board.discCount(kWhite), line.c_str()),
                        kResultCaption, MessageIcon::Information);
    if (saveAtEnd_) saveGame();
    return 0;
}

void Discada::setLevel(std::int32_t level) {
    computer_.setLevel(level);
    for (const int item : kLevelMenuItems)
        window_.setMenuState(item, {});
    // Levels without a menu item (the hidden level 3) leave every item unchecked.
    if (level >= 0 && level < static_cast<std::int32_t>(kLevelMenuItems.size())) {
        window_.setMenuState(kLevelMenuItems[static_cast<std::size_t>(level)], {.checked = true});
    }
}

std::int32_t Discada::toggleSaveAtEnd() {
    // The check mark is what is read; the switch follows it.
    saveAtEnd_ = !window_.menuState(command::kSaveAtEnd).checked;
    window_.setMenuState(command::kSaveAtEnd, {.checked = saveAtEnd_});
    return 0;
}

std::int32_t Discada::addListEntry() {
    const CellPos move = match_.currentMove();
    window_.listInsertTop(format("%2d手目 %s(%d, %d)", match_.movesPlayed(),
                                 std::string(colourName(match_.currentMoveColor())).c_str(),
                                 move.column, move.row));
    return 0;
}

std::int32_t Discada::indexOfPlacement(std::int32_t placement) const {
    return window_.listCount() - placement;
}

std::int32_t Discada::selectListEntry(std::int32_t placement) {
    window_.listSelect(placement == -1 ? -1 : indexOfPlacement(placement));
    return 0;
}

void Discada::selectStart() {
    window_.listSelect(indexOfPlacement(1));
    window_.listSelect(-1);
}

void Discada::selectCurrent() {
    if (match_.movesPlayed() == 0) {
        selectStart();
    } else {
        selectListEntry(match_.movesPlayed());
    }
}

std::int32_t Discada::setReplayMode(bool on) {
    replayMode_ = on;
    window_.showReplayButtons(on);
    window_.setMenuState(command::kUndo, {.greyed = on});
    return 0;
}

std::int32_t Discada::undo() {
    if (match_.movesPlayed() < 2 || replayMode_) return -1;
    DiscColor target = match_.sideToMove();
    if (target == static_cast<DiscColor>(computer_.mode())) target = opponentOf(target);
    std::int32_t count = 0;
    while (match_.unmakeMove()) {
        ++count;
        if (match_.sideToMove() == target) break;
    }
    selectCurrent();
    return count;
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

std::int32_t Discada::saveGame() {
    const SaveOutcome outcome = saveRecord(match_, saveDialog_);
    if (outcome == SaveOutcome::Failed) {
        window_.showMessage(kSaveFailed, kErrorCaption, MessageIcon::Warning);
    }
    return outcome == SaveOutcome::NothingToSave ? -1 : 0;
}

std::int32_t Discada::loadRecord() {
    const std::optional<std::string> bytes = openDialog_.openText(kRecordReadLimit, kOpenTitle);
    if (!bytes) return -1;
    const std::string_view text = recordTextOf(*bytes);
    // A file without one usable placement must not cost the game on the board: it is tried on
    // a scratch match first, and the game is replaced only when the record holds a placement.
    if (!holdsPlacement(text)) return -2;
    readRecord(
        text, match_, [this] { newGame(GameMode::TwoPlayers); }, [this] { addListEntry(); });
    setReplayMode(true);
    selectListEntry(match_.movesPlayed());
    window_.requestRepaint();
    return 0;
}

std::int32_t Discada::paint(Surface& target, const Surface& sprites) const {
    const DscBoard& board = match_.board();
    board.draw(target, sprites);
    const std::int32_t left = board.totalWidth() + kPanelGap;
    const Rect panel{left, kPanelTop, left + kPanelWidth, kPanelBottom};
    // The panel is cleared first, so no font leaves remains of a longer earlier text.
    target.fillRect(panel, kRgbWhite);
    target.drawText(panel, statusText());
    return 0;
}

std::string Discada::statusText() const {
    const std::string_view label =
        match_.isOver() ? kGameOverLabel : turnLabel(match_.sideToMove());
    const DscBoard& board = match_.board();
    return format("%s\n\n黒：%2d \n白：%2d ", std::string(label).c_str(), board.discCount(kBlack),
                  board.discCount(kWhite));
}

std::string_view Discada::turnLabel(DiscColor colour) const {
    return isPlayerColor(colour) ? turnLabels_[static_cast<std::size_t>(colour - 1)] : "";
}

}  // namespace discada
