#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discada {

// `discada-cli perft D`: the number of leaves D plies below the starting position, a pass
// counting as a ply and a finished game as one leaf. Returns 0, or 64 for bad arguments.
int runPerft(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace discada
