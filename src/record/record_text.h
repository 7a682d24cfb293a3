#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace discada {

class DscProg;

// A record file is read into a buffer of this many bytes; the rest of a longer file is ignored.
constexpr std::size_t kRecordReadLimit = 1920;

// The record text of a match: one line " 1:4,3(1)\r\n" (number, column, row, colour) per
// placement from the first to the one at the history cursor.
std::string formatRecord(const DscProg& match);

// What reading a record did to a match.
struct RecordReadOutcome {
    // False when the text is empty or holds only ':' characters; the match was not touched.
    bool hasFirstField = false;
    std::int32_t placementsMade = 0;
};

// The part of raw file bytes the reader looks at: at most kRecordReadLimit bytes, up to the
// first NUL byte.
std::string_view recordTextOf(std::string_view bytes);

// Reads a record into `match`. When the text has a first field (the move number, ignored),
// `startGame` is called and then the placements are made for whichever side is to move, each
// followed by `onPlacement`, up to the first field that is missing, holds a value outside 1 to 8,
// or names an illegal placement. The move numbers and colours of the file are not read.
RecordReadOutcome readRecord(std::string_view text, DscProg& match,
                             const std::function<void()>& startGame,
                             const std::function<void()>& onPlacement);

}  // namespace discada
