#include "fuzz/property_checks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "ai/dsc_cpu.h"
#include "ai/kernels.h"
#include "ai/tree_walk.h"
#include "match/dsc_prog.h"
#include "match/match_text.h"
#include "platform/clock.h"
#include "record/record_text.h"

namespace discada {

namespace {

// What a take-back restores: the cells, the counts, the turn and the cursors.
struct Position {
    std::vector<DiscColor> cells;
    std::array<std::int32_t, 2> counts{};
    DiscColor sideToMove = kEmpty;
    MatchStatus status = MatchStatus::Normal;
    std::array<std::int32_t, 3> cursors{};  // movesPlayed, moveCursor, flipCursor
    bool operator==(const Position&) const = default;
};

// The whole match: its position, the replayable tail and both logs as far as they are stored.
struct MatchState {
    Position position;
    std::array<std::int32_t, 3> ends{};  // redoLimit, moveEnd, flipEnd
    std::vector<MoveRecord> moves;
    std::vector<FlipRecord> flips;
    bool operator==(const MatchState&) const = default;
};

Position positionOf(const DscProg& match) {
    Position p;
    const DscBoard& board = match.board();
    p.cells.reserve(static_cast<std::size_t>(board.storageColumns() * board.storageRows()));
    for (std::int32_t c = 0; c < board.storageColumns(); ++c) {
        for (std::int32_t r = 0; r < board.storageRows(); ++r)
            p.cells.push_back(board.cellAt(c, r).state());
    }
    p.counts = {board.discCount(kBlack), board.discCount(kWhite)};
    p.sideToMove = match.sideToMove();
    p.status = match.status();
    p.cursors = {match.movesPlayed(), match.moveCursor(), match.flipCursor()};
    return p;
}

MatchState stateOf(const DscProg& match) {
    MatchState s{positionOf(match), {match.redoLimit(), match.moveEnd(), match.flipEnd()}, {}, {}};
    for (std::int32_t i = 0; i <= match.moveEnd(); ++i)
        s.moves.push_back(match.moveAt(i));
    for (std::int32_t i = 0; i <= match.flipEnd(); ++i)
        s.flips.push_back(match.flipAt(i));
    return s;
}

bool samePosition(const DscProg& a, const DscProg& b) {
    return positionOf(a) == positionOf(b);
}

std::string describe(const DscProg& match) {
    return "\n" + boardText(match) + summaryLine(match) + "\n";
}

std::int32_t legalCount(const DscProg& match, DiscColor colour,
                        std::array<CellPos, kCellListCapacity>& list) {
    return match.board().listMoves(colour, list, kCellListCapacity);
}

std::string boardFault(const DscProg& match) {
    const DscBoard& board = match.board();
    std::array<std::int32_t, 3> counts{};
    for (std::int32_t c = 0; c < board.storageColumns(); ++c) {
        for (std::int32_t r = 0; r < board.storageRows(); ++r) {
            const DiscColor state = board.cellAt(c, r).state();
            if (state < kEmpty || state > kWhite) return "a cell holds no colour";
            if (state != kEmpty && !board.isPlayable(c, r)) return "a disc lies on the ring";
            ++counts[static_cast<std::size_t>(state)];
        }
    }
    if (counts[kBlack] != board.discCount(kBlack) || counts[kWhite] != board.discCount(kWhite)) {
        return "the disc counts differ from a recount of the cells";
    }
    if (counts[kBlack] + counts[kWhite] != 4 + match.movesPlayed()) {
        return "the discs do not number 4 + the placements made";
    }
    return {};
}

// The logs: valid placements, and turned discs grouped by placement in order, at least one each.
std::string logFault(const DscProg& match) {
    for (std::int32_t i = 0; i <= match.moveEnd(); ++i) {
        const MoveRecord& m = match.moveAt(i);
        const bool onBoard = m.column >= 1 && m.column <= 8 && m.row >= 1 && m.row <= 8;
        if (!onBoard || !isPlayerColor(m.color)) return "the placement log holds no placement";
    }
    std::int32_t expected = 0;
    for (std::int32_t i = 0; i <= match.flipEnd(); ++i) {
        const std::int32_t index = match.flipAt(i).moveIndex;
        if (index != expected && index != expected + 1) return "the turned-disc log skips";
        if (i == 0 && index != 0)
            return "the turned-disc log does not start at the first placement";
        expected = index;
    }
    if (match.flipEnd() < 0 ? match.moveEnd() >= 0 : expected != match.moveEnd()) {
        return "the turned-disc log ends elsewhere";
    }
    std::int32_t lastApplied = -1;
    for (std::int32_t i = 0; i <= match.flipEnd(); ++i) {
        if (match.flipAt(i).moveIndex < match.movesPlayed()) lastApplied = i;
    }
    if (match.flipCursor() != lastApplied) return "the turned-disc cursor is off";
    return {};
}

// A game that is not over leaves its side to move a placement; one that is over leaves none.
std::string turnFault(const DscProg& match) {
    std::array<CellPos, kCellListCapacity> list;
    if (!isPlayerColor(match.sideToMove())) return "no colour is to move";
    const bool canMove = legalCount(match, match.sideToMove(), list) > 0;
    if (!match.isOver() && !canMove) return "the side to move has no placement";
    if (match.status() == MatchStatus::NoMoves &&
        (canMove || legalCount(match, opponentOf(match.sideToMove()), list) > 0)) {
        return "the game ended with a placement left";
    }
    if (match.status() == MatchStatus::BoardFull && match.movesPlayed() != kMaxPlacements) {
        return "the board is called full early";
    }
    return {};
}

// The invariants recomputed from the cells and the logs, without trusting the match's own check.
std::string invariantFault(const DscProg& match) {
    if (match.movesPlayed() != match.moveCursor() + 1)
        return "the cursor disagrees with movesPlayed";
    if (match.moveCursor() > match.moveEnd() || match.flipCursor() > match.flipEnd()) {
        return "a cursor stands past the end of its log";
    }
    if (match.movesPlayed() > match.redoLimit()) return "the position lies past the replay limit";
    for (const std::string& fault : {boardFault(match), logFault(match), turnFault(match)}) {
        if (!fault.empty()) return fault;
    }
    if (!match.isConsistent()) return "isConsistent rejects a sound match";
    return {};
}

// Replaying the line of play from the start on `scratch` must reach the match's position.
std::string lineFault(const DscProg& match, DscProg& scratch) {
    scratch.reset();
    for (std::int32_t i = 0; i <= match.moveCursor(); ++i) {
        const MoveRecord& m = match.moveAt(i);
        if (scratch.sideToMove() != m.color) return "a placement is logged for the wrong colour";
        if (!scratch.makeMove(m.column, m.row))
            return "the line of play holds an illegal placement";
    }
    return samePosition(match, scratch) ? "" : "the position differs from a replay of its line";
}

struct ReadCounts {
    RecordReadOutcome outcome;
    int starts = 0;
    int placements = 0;
};

ReadCounts readInto(std::string_view text, DscProg& match) {
    ReadCounts counts;
    counts.outcome = readRecord(
        text, match,
        [&] {
            ++counts.starts;
            match.reset();
        },
        [&] { ++counts.placements; });
    return counts;
}

std::string recordFault(std::string_view text) {
    DscProg match;
    const ReadCounts read = readInto(text, match);
    if (!read.outcome.hasFirstField) {
        const bool untouched = read.starts == 0 && read.placements == 0 &&
                               match.movesPlayed() == 0 && match.board().discCount(kBlack) == 0;
        return untouched ? "" : "a text without a first field touched the match";
    }
    if (read.starts != 1) return "the game was not started exactly once";
    if (read.placements != read.outcome.placementsMade || read.placements != match.movesPlayed()) {
        return "the placements reported differ from those made";
    }
    DscProg scratch;
    for (const std::string& fault : {invariantFault(match), lineFault(match, scratch)}) {
        if (!fault.empty()) return fault + describe(match);
    }
    const std::string record = formatRecord(match);
    DscProg again;
    const ReadCounts reread = readInto(record, again);
    if (read.placements == 0) {
        return record.empty() && !reread.outcome.hasFirstField ? ""
                                                               : "an empty game wrote a record";
    }
    if (reread.outcome.placementsMade != read.placements || !samePosition(match, again) ||
        formatRecord(again) != record) {
        return "the record of the result reads back to another position" + describe(match);
    }
    return {};
}

// The positions along the current line of play, by number of placements made: what every
// take-back and replay must land on exactly.
class LineOfPlay {
public:
    explicit LineOfPlay(const DscProg& match) : positions_{positionOf(match)} {}

    // After a placement: the line continues from here and its old tail is gone.
    void placed(const DscProg& match) {
        positions_.resize(static_cast<std::size_t>(match.movesPlayed()));
        positions_.push_back(positionOf(match));
    }
    // After a take-back or a replay.
    std::string fault(const DscProg& match) const {
        const auto k = static_cast<std::size_t>(match.movesPlayed());
        if (k >= positions_.size()) return "the match stands beyond its line of play";
        return positions_[k] == positionOf(match) ? ""
                                                  : "a take-back or replay missed its position";
    }

private:
    std::vector<Position> positions_;
};

std::string placeLegal(DscProg& match, std::int32_t choice) {
    std::array<CellPos, kCellListCapacity> list;
    const std::int32_t n = legalCount(match, match.sideToMove(), list);
    if (n == 0) return {};
    const CellPos m = list[static_cast<std::size_t>(choice % n)];
    const std::int32_t before = match.movesPlayed();
    if (!match.makeMove(m.column, m.row)) return "a listed placement was refused";
    if (match.movesPlayed() != before + 1 || match.redoLimit() != match.movesPlayed() ||
        match.moveEnd() != match.moveCursor() || match.flipEnd() != match.flipCursor()) {
        return "a placement kept a replayable tail";
    }
    return {};
}

// Runs `operation` whose success is `expected`; a refusal must change nothing.
template <typename Operation>
std::string refusable(DscProg& match, bool expected, Operation operation, const char* name) {
    const MatchState before = stateOf(match);
    const bool done = operation();
    if (done != expected)
        return std::string(name) + (done ? " succeeded" : " failed") + " unexpectedly";
    if (!done && stateOf(match) != before)
        return std::string("a refused ") + name + " changed the match";
    return {};
}

// One byte, one step: the top two bits choose the operation, the rest its argument.
std::string step(DscProg& match, LineOfPlay& line, std::uint8_t byte) {
    const std::int32_t argument = byte & 63;
    const std::int32_t repeats = argument % 4 + 1;
    switch (byte >> 6) {
        case 0: {
            const std::int32_t before = match.movesPlayed();
            const std::string fault = placeLegal(match, argument);
            if (match.movesPlayed() != before) line.placed(match);
            return fault;
        }
        case 1: {
            const CellPos cell = bitboard::cellPosOf(argument);
            std::array<CellPos, kCellListCapacity> list;
            const std::int32_t n = legalCount(match, match.sideToMove(), list);
            const bool legal = std::find(list.begin(), list.begin() + n, cell) != list.begin() + n;
            return refusable(
                match, legal, [&] { return match.makeMove(cell.column, cell.row); }, "placement");
        }
        case 2:
            for (std::int32_t i = 0; i < repeats; ++i) {
                const std::string fault = refusable(
                    match, match.movesPlayed() > 0, [&] { return match.unmakeMove(); },
                    "take-back");
                if (!fault.empty()) return fault;
            }
            return {};
        default:
            for (std::int32_t i = 0; i < repeats; ++i) {
                const bool expected = match.movesPlayed() < match.redoLimit();
                const std::string fault = refusable(
                    match, expected, [&] { return match.redoMove(); }, "replay");
                if (!fault.empty()) return fault;
            }
            return {};
    }
}

std::string roundTripFault(DscProg& match) {
    const MatchState before = stateOf(match);
    std::int32_t taken = 0;
    while (match.unmakeMove())
        ++taken;
    DscProg start;
    start.reset();
    if (taken != before.position.cursors[0] || !samePosition(match, start)) {
        return "taking everything back does not reach the start";
    }
    for (std::int32_t i = 0; i < taken; ++i) {
        if (!match.redoMove()) return "replaying stopped early";
    }
    if (stateOf(match) != before) return "taking back and replaying everything changed the match";
    while (match.redoMove()) {
    }
    if (match.movesPlayed() != match.redoLimit()) return "replaying stopped short of its limit";
    return invariantFault(match);
}

// The search reads no time; a computer player still needs a clock.
class StillClock final : public Clock {
public:
    std::uint32_t milliseconds() override { return 0; }
    void sleep(std::uint32_t /*milliseconds*/) override {}
    std::int64_t calendarSeconds() override { return 0; }
};

}  // namespace

std::string checkRecordBytes(std::string_view bytes) {
    if (const std::string fault = recordFault(recordTextOf(bytes)); !fault.empty()) {
        return "as loaded: " + fault;
    }
    if (const std::string fault = recordFault(bytes); !fault.empty()) return "whole: " + fault;
    return {};
}

std::string checkHistoryBytes(std::string_view bytes) {
    DscProg match;
    match.reset();
    LineOfPlay line(match);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string fault = step(match, line, static_cast<std::uint8_t>(bytes[i]));
        if (fault.empty()) fault = invariantFault(match);
        if (!fault.empty()) return "step " + std::to_string(i) + ": " + fault + describe(match);
    }
    DscProg scratch;
    std::string fault = lineFault(match, scratch);
    if (fault.empty()) fault = roundTripFault(match);
    return fault.empty() ? "" : fault + describe(match);
}

std::string checkSearchBytes(std::string_view bytes) {
    if (bytes.empty()) return {};
    const auto first = static_cast<std::uint8_t>(bytes[0]);
    const std::int32_t depth = first % 3 + 1;
    const DiscColor computer = (first & 4) != 0 ? kWhite : kBlack;
    DscProg position;
    position.reset();
    for (std::size_t i = 1; i < bytes.size() && !position.isOver(); ++i) {
        if (const std::string fault = placeLegal(position, static_cast<std::uint8_t>(bytes[i]));
            !fault.empty()) {
            return fault;
        }
    }
    StillClock clock;
    DscCpu cpu(clock);
    cpu.setMode(static_cast<GameMode>(computer));
    const Position before = positionOf(position);
    auto text = [](CellPos c, std::int32_t v) {
        return "(" + std::to_string(c.column) + ", " + std::to_string(c.row) + ") value " +
               std::to_string(v);
    };
    // The searches at `depth` with the root handed alpha and beta; the literal walk first.
    auto compare = [&](std::initializer_list<SearchKind> kinds, std::int32_t depth,
                       std::int32_t alpha, std::int32_t beta) -> std::string {
        std::optional<std::pair<CellPos, std::int32_t>> reference;
        for (const SearchKind kind : kinds) {
            cpu.copyFrom(position);
            cpu.setSearchKind(kind);
            CellPos choice{};
            const std::int32_t value = cpu.search(depth, choice, alpha, beta);
            if (positionOf(cpu) != before)
                return "the search left its match changed" + describe(cpu);
            if (!reference) {
                reference = {choice, value};
            } else if (reference->first != choice || reference->second != value) {
                return "depth " + std::to_string(depth) + " for colour " +
                       std::to_string(computer) + " alpha " + std::to_string(alpha) + " beta " +
                       std::to_string(beta) + ": the walk chose " +
                       text(reference->first, reference->second) + ", the " + nameOf(kind) +
                       " search " + text(choice, value) + describe(position);
            }
        }
        return {};
    };
    if (std::string fault =
            compare({SearchKind::MatchWalk, SearchKind::BitboardWalk, SearchKind::Pruned}, depth,
                    -kSearchInfinity, kSearchInfinity);
        !fault.empty()) {
        return fault;
    }
    // Deeper, the pruned search against the fast walk, the root handed a bound next to its
    // value so that it may cut off in list order.
    const std::int32_t deeper = (first >> 3) % 4 + 1;
    cpu.copyFrom(position);
    cpu.setSearchKind(SearchKind::BitboardWalk);
    CellPos ignored{};
    const std::int32_t value = cpu.search(deeper, ignored, -kSearchInfinity, kSearchInfinity);
    const std::int32_t offset = (first >> 6) - 2;
    const bool maximising = position.sideToMove() == computer;
    return compare({SearchKind::BitboardWalk, SearchKind::Pruned}, deeper,
                   maximising ? -kSearchInfinity : value - offset,
                   maximising ? value + offset : kSearchInfinity);
}

void abortOnFault(const std::string& fault) {
    if (fault.empty()) return;
    std::fprintf(stderr, "broken property: %s\n", fault.c_str());
    std::abort();
}

}  // namespace discada
