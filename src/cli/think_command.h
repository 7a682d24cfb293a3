#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discada {

// `discada-cli think [--level L | --depth D] [--model pruned|fast|literal] [--stats] [--pad]
// FILE`: the computer's choice for the side to move in the position a record reaches, printed as
// "C,R V" (column, row, root value) or "C,R" for a random choice. The search is the game's unless
// --model names a walk of the whole tree; --stats prints the nodes it visited and its seconds.
// Returns the exit code: 0, 1 when the file cannot be read, 2 when the side to move has no
// placement, 64 for bad arguments.
int runThink(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace discada
