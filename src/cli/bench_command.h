#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discada {

// `discada-cli bench [--model fast|literal|both] [--depth D]`: searches each bench position
// for its side to move (depth 10 unless given) and prints, per position and in total, the
// nodes, seconds and nodes per second. With `both`, each position is searched on the literal
// model and then on the fast one, the two must agree on choice, value and nodes, and the ratio
// of their speeds is printed. Returns 0, 3 when the models disagree, 64 for bad arguments.
int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace discada
