#include "record/record_text.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "match/dsc_prog.h"

namespace discada {

namespace {

constexpr std::int32_t kLowestCoordinate = 1;
constexpr std::int32_t kHighestCoordinate = 8;

// Splits the text into fields the way a record is read: each field is found by skipping every
// leading occurrence of its own separator and runs to the next occurrence (or the end), and the
// separator that ends it is consumed.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> next(char separator) {
        while (pos_ < text_.size() && text_[pos_] == separator)
            ++pos_;
        if (pos_ == text_.size()) return std::nullopt;
        const std::size_t end = std::min(text_.find(separator, pos_), text_.size());
        const std::string_view field = text_.substr(pos_, end - pos_);
        pos_ = end == text_.size() ? end : end + 1;
        return field;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Leading white space, an optional sign, then decimal digits up to the first other character;
// 0 without digits. Values beyond the board saturate so that no length of digits overflows.
std::int32_t numberOf(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && isSpace(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    std::int32_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        if (value <= kHighestCoordinate) value = value * 10 + (field[i] - '0');
    }
    return negative ? -value : value;
}

bool isCoordinate(std::int32_t value) {
    return value >= kLowestCoordinate && value <= kHighestCoordinate;
}

}  // namespace

std::string formatRecord(const DscProg& match) {
    std::string text;
    for (std::int32_t i = 0; i <= match.moveCursor(); ++i) {
        const MoveRecord& move = match.moveAt(i);
        char line[32];
        std::snprintf(line, sizeof line, "%2d:%d,%d(%d)\r\n", i + 1, move.column, move.row,
                      move.color);
        text += line;
    }
    return text;
}

std::string_view recordTextOf(std::string_view bytes) {
    const std::string_view limited = bytes.substr(0, kRecordReadLimit);
    return limited.substr(0, limited.find('\0'));
}

RecordReadOutcome readRecord(std::string_view text, DscProg& match,
                             const std::function<void()>& startGame,
                             const std::function<void()>& onPlacement) {
    FieldReader fields(text);
    RecordReadOutcome outcome;
    if (!fields.next(':')) return outcome;
    outcome.hasFirstField = true;
    startGame();
    const std::int32_t before = match.movesPlayed();
    while (true) {
        const auto column = fields.next(',');
        if (!column) break;
        const auto row = fields.next('(');
        if (!row) break;
        const std::int32_t c = numberOf(*column);
        const std::int32_t r = numberOf(*row);
        if (!isCoordinate(c) || !isCoordinate(r)) break;
        if (!match.makeMove(c, r)) break;
        onPlacement();
        // The colour, ")", the line end and the next move number.
        if (!fields.next(':')) break;
    }
    outcome.placementsMade = match.movesPlayed() - before;
    return outcome;
}

}  // namespace discada
