#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace discada {

// `discada-cli bench [--model pruned|fast|literal[,...]|all] [--depth D] [--random N [--seed S]]
// [--repeat R]`: searches each bench position for its side to move (depth 10 unless given) with
// each search asked for (the pruned search and the tree walk on the bitboard unless given) and
// prints, per position, per phase of the game and in total, the nodes, seconds, nodes per second
// and how many times fewer seconds than the walk it took, then the pruned search's signature:
// "Bench: NODES CHECK". With --random, the positions are instead N positions of seeded random
// games (the pruned search alone unless given), and it prints the median, 99th percentile and
// worst of the seconds and nodes, and the slowest position's line. Each search is timed R times
// (once unless given), the fastest counting. Every search must give the same choice and value,
// and the two walks the same nodes. Returns 0, 3 when they disagree, 64 for bad arguments.
int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Kernels;
// The pruned search's signature over the bench positions at `depth` on one instruction set's
// kernels, as bench prints it: "Bench: NODES CHECK".
std::string benchSignature(std::int32_t depth, const Kernels& kernels);

}  // namespace discada
