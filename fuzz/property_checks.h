#pragma once

#include <string>
#include <string_view>

namespace discada {

// The properties the fuzz targets hold the game to, each fed arbitrary bytes. Every check returns
// an empty string when all its properties hold, otherwise a description of the first broken one.
// The regression tests run the same checks over the kept corpora.

// Reads the bytes as a record into a fresh match, both as the load command sees them and whole;
// the match must stay consistent, count the placements it made, and its own record must read back
// to the same position.
std::string checkRecordBytes(std::string_view bytes);

// Drives one match through placements (legal and arbitrary), take-backs and replays chosen by the
// bytes; after each step the match must be consistent, a take-back or replay must land exactly on
// the position that the line of play had there, a refused operation must change nothing, and at
// the end the match must equal a replay of its line, and taking everything back and replaying it
// must restore it exactly.
std::string checkHistoryBytes(std::string_view bytes);

// Plays the placements chosen by the bytes, then searches the position for the colour the first
// byte names with the literal and the fast walk and the pruned search at a depth of 1 to 3, and
// with the fast walk and the pruned search at a depth of 1 to 5, the root handed a bound next to
// its value: choice and value must agree, and each search must leave its private match as it
// found it.
std::string checkSearchBytes(std::string_view bytes);

// For a fuzz target: reports a broken property on standard error and aborts, so the fuzzer keeps
// the input.
void abortOnFault(const std::string& fault);

}  // namespace discada
