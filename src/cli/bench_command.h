#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discada {

// `discada-cli bench [--model pruned|fast|literal[,...]|all] [--depth D]`: searches each bench
// position for its side to move (depth 10 unless given) with each search asked for (the pruned
// search and the fast walk of the whole tree unless given) and prints, per position, per phase of
// the game and in total, the nodes, seconds, nodes per second and how many times fewer seconds
// than the fast walk it took. Every search must give the same choice and value, and the two walks
// the same nodes. Returns 0, 3 when they disagree, 64 for bad arguments.
int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace discada
