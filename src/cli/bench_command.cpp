#include "cli/bench_command.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>

#include "ai/dsc_cpu.h"
#include "ai/kernels.h"
#include "ai/tree_walk.h"
#include "cli/bench_positions.h"
#include "cli/command_args.h"
#include "cli/no_wait_clock.h"
#include "match/dsc_prog.h"

namespace discada {

namespace {

constexpr std::int32_t kDefaultDepth = 10;
constexpr int kSearchesDisagree = 3;

// The searches in the order of their rows: the game's, then the two walks of the whole tree.
constexpr std::array<SearchKind, 3> kSearches = {SearchKind::Pruned, SearchKind::BitboardWalk,
                                                 SearchKind::MatchWalk};
constexpr std::size_t kPruned = 0;
constexpr std::size_t kWalk = 1;
constexpr std::size_t kMatchWalk = 2;
using SearchSet = std::array<bool, kSearches.size()>;

struct BenchOptions {
    // Indexed like kSearches. The walk on the match is left out unless asked for: at the default
    // depth it would take hours.
    SearchSet run = {true, true, false};
    std::int32_t depth = kDefaultDepth;
    // Positions of random games instead of the fixed ones: how many, from which seed.
    std::int32_t randomCount = 0;
    std::uint32_t seed = 1;
    // Each search is timed this many times; the fastest counts.
    std::int32_t repeat = 1;
};

// "all", or names of searches separated by commas.
std::optional<SearchSet> parseSearches(std::string_view text) {
    if (text == "all") return SearchSet{true, true, true};
    SearchSet run{};
    while (true) {
        const std::size_t comma = text.find(',');
        const auto kind = parseSearchKind(text.substr(0, comma));
        if (!kind) return {};
        for (std::size_t i = 0; i < kSearches.size(); ++i)
            run[i] = run[i] || kSearches[i] == *kind;
        if (comma == std::string_view::npos) return run;
        text.remove_prefix(comma + 1);
    }
}

std::optional<BenchOptions> parseOptions(const std::vector<std::string>& args) {
    if (args.size() % 2 != 0) return {};
    BenchOptions options;
    bool searchesGiven = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const auto number = parseInteger(args[i + 1]);
        if (args[i] == "--model") {
            const auto run = parseSearches(args[i + 1]);
            if (!run) return {};
            options.run = *run;
            searchesGiven = true;
        } else if (args[i] == "--depth" && number && *number >= 1) {
            options.depth = *number;
        } else if (args[i] == "--random" && number && *number >= 1) {
            options.randomCount = *number;
        } else if (args[i] == "--seed" && number && *number >= 0) {
            options.seed = static_cast<std::uint32_t>(*number);
        } else if (args[i] == "--repeat" && number && *number >= 1) {
            options.repeat = *number;
        } else {
            return {};
        }
    }
    // Over many random positions only the game's search, unless others are asked for.
    if (options.randomCount > 0 && !searchesGiven) options.run = {true, false, false};
    return options;
}

struct Measure {
    CellPos choice;
    std::int32_t value = 0;
    std::uint64_t nodes = 0;
    double seconds = 0;
};

struct Totals {
    std::uint64_t nodes = 0;
    double seconds = 0;
    void add(const Measure& m) {
        nodes += m.nodes;
        seconds += m.seconds;
    }
};

Measure measure(DscCpu& cpu, const DscProg& match, SearchKind kind, std::int32_t depth,
                std::int32_t repeat) {
    cpu.setMode(static_cast<GameMode>(match.sideToMove()));
    cpu.setSearchKind(kind);
    Measure m;
    for (std::int32_t run = 0; run < repeat; ++run) {
        cpu.copyFrom(match);
        const auto start = std::chrono::steady_clock::now();
        m.value = cpu.search(depth, m.choice, -kSearchInfinity, kSearchInfinity);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        m.seconds = run == 0 ? seconds : std::min(m.seconds, seconds);
    }
    m.nodes = cpu.lastNodes();
    return m;
}

// The answers of the searches that ran on one position, indexed like kSearches.
using Measures = std::array<std::optional<Measure>, kSearches.size()>;

Measures measureAll(DscCpu& cpu, const DscProg& match, const BenchOptions& options) {
    Measures measures;
    for (std::size_t i = 0; i < kSearches.size(); ++i) {
        if (options.run[i])
            measures[i] = measure(cpu, match, kSearches[i], options.depth, options.repeat);
    }
    return measures;
}

// Every search must give the same choice and value, and the two walks the same nodes.
bool agree(const Measures& measures, std::string_view name, std::ostream& err) {
    bool same = true;
    const std::optional<Measure>* first = nullptr;
    for (const std::optional<Measure>& m : measures) {
        if (!m) continue;
        if (first && ((*first)->choice != m->choice || (*first)->value != m->value)) {
            err << "the searches disagree on " << name << '\n';
            same = false;
        }
        first = first ? first : &m;
    }
    if (measures[kWalk] && measures[kMatchWalk] &&
        measures[kWalk]->nodes != measures[kMatchWalk]->nodes) {
        err << "the walks count different nodes on " << name << '\n';
        same = false;
    }
    return same;
}

double perSecond(std::uint64_t nodes, double seconds) {
    return seconds > 0 ? static_cast<double>(nodes) / seconds : 0;
}

// How many times fewer seconds this took than the walk; "-" without a walk to compare with.
std::string speedUp(const std::optional<Totals>& walk, const Totals& self) {
    if (!walk || self.seconds <= 0) return "-";
    char text[32];
    const double ratio = walk->seconds / self.seconds;
    std::snprintf(text, sizeof text, ratio < 1 ? "%.2f" : "%.1f", ratio);
    return text;
}

void printRow(std::ostream& out, std::string_view name, SearchKind kind, const std::string& moves,
              const std::string& choice, const Totals& row, const std::optional<Totals>& walk) {
    char line[200];
    std::snprintf(line, sizeof line, "%-12s %-7s %5s %8s %12llu %10.3f %12.0f %9s\n",
                  std::string(name).c_str(), nameOf(kind), moves.c_str(), choice.c_str(),
                  static_cast<unsigned long long>(row.nodes), row.seconds,
                  perSecond(row.nodes, row.seconds), speedUp(walk, row).c_str());
    out << line;
}

// The part of a position's name before its number: early, midgame or late.
std::string_view phaseOf(std::string_view name) {
    return name.substr(0, name.find('-'));
}

// The search's fingerprint, as chess engines keep one: the pruned search's nodes over the
// positions, and a check value over its choices and values. Only a change to the pruning moves
// the nodes; a change of an answer moves the check value as well.
class Signature {
public:
    void add(const Measure& m) {
        nodes_ += m.nodes;
        const auto answer =
            static_cast<std::uint32_t>((m.choice.column * kBoardSize + m.choice.row) * kAnswerSpan +
                                       m.value + kSearchInfinity);
        // FNV-1a over the answers, a byte at a time, in 32 bits on every system.
        for (int shift = 0; shift < 32; shift += 8) {
            check_ = (check_ ^ ((answer >> shift) & 0xFF)) * 16777619u;
        }
    }
    std::string text() const {
        char line[64];
        std::snprintf(line, sizeof line, "Bench: %llu %08x",
                      static_cast<unsigned long long>(nodes_), check_);
        return line;
    }

private:
    static constexpr std::int32_t kAnswerSpan = 2 * kSearchInfinity + 1;
    std::uint64_t nodes_ = 0;
    std::uint32_t check_ = 2166136261u;
};

// The searches on the fixed positions: a row per position and search, per phase and in all, and
// the pruned search's signature.
int benchFixed(const BenchOptions& options, std::ostream& out, std::ostream& err) {
    NoWaitClock clock;
    DscCpu cpu(clock);
    DscProg match;
    std::map<std::string_view, std::array<Totals, kSearches.size()>> phases;
    std::array<Totals, kSearches.size()> all{};
    Signature signature;
    bool same = true;
    out << "depth " << options.depth << "\n";
    char header[200];
    std::snprintf(header, sizeof header, "%-12s %-7s %5s %8s %12s %10s %12s %9s\n", "position",
                  "search", "moves", "choice", "nodes", "seconds", "nodes/s", "x walk");
    out << header;
    for (const BenchPosition& position : benchPositions()) {
        if (!playLine(position.line, match)) {
            err << "bench position " << position.name << " cannot be played\n";
            return 1;
        }
        const Measures measures = measureAll(cpu, match, options);
        std::optional<Totals> walk;
        if (measures[kWalk]) walk = Totals{measures[kWalk]->nodes, measures[kWalk]->seconds};
        for (std::size_t i = 0; i < kSearches.size(); ++i) {
            const std::optional<Measure>& m = measures[i];
            if (!m) continue;
            const std::string choice = std::to_string(m->choice.column) + ',' +
                                       std::to_string(m->choice.row) + ' ' +
                                       std::to_string(m->value);
            printRow(out, position.name, kSearches[i], std::to_string(match.movesPlayed()), choice,
                     Totals{m->nodes, m->seconds}, walk);
            phases[phaseOf(position.name)][i].add(*m);
            all[i].add(*m);
        }
        if (measures[kPruned]) signature.add(*measures[kPruned]);
        same = agree(measures, position.name, err) && same;
        out.flush();
    }
    auto printTotals = [&](std::string_view name, const std::array<Totals, kSearches.size()>& row) {
        const std::optional<Totals> walk =
            options.run[kWalk] ? std::optional<Totals>(row[kWalk]) : std::nullopt;
        for (std::size_t i = 0; i < kSearches.size(); ++i) {
            if (options.run[i]) printRow(out, name, kSearches[i], "", "", row[i], walk);
        }
    };
    for (const auto& [phase, row] : phases)
        printTotals(phase, row);
    printTotals("total", all);
    if (options.run[kPruned]) out << signature.text() << '\n';
    return same ? 0 : kSearchesDisagree;
}

// The value below which the given share of `values` lies (the nearest rank).
template <class T>
T quantile(std::vector<T> values, double share) {
    const auto rank =
        static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank),
                     values.end());
    return values[rank];
}

bool hasTwoOpenCorners(const DscProg& match) {
    std::int32_t open = 0;
    for (const std::int32_t column : {1, kBoardSize}) {
        for (const std::int32_t row : {1, kBoardSize})
            open += match.board().stateAt(column, row) == kEmpty;
    }
    return open >= 2;
}

// The searches on positions of random games: how their seconds and nodes spread, and the
// slowest position.
int benchRandom(const BenchOptions& options, std::ostream& out, std::ostream& err) {
    NoWaitClock clock;
    DscCpu cpu(clock);
    DscProg match;
    const std::vector<std::string> lines = randomMidgameLines(options.randomCount, options.seed);
    std::array<std::vector<double>, kSearches.size()> seconds;
    std::array<std::vector<std::uint64_t>, kSearches.size()> nodes;
    std::array<std::size_t, kSearches.size()> slowest{};
    std::int32_t cornersOpen = 0;
    bool same = true;
    for (std::size_t p = 0; p < lines.size(); ++p) {
        playLine(lines[p], match);
        cornersOpen += hasTwoOpenCorners(match);
        const Measures measures = measureAll(cpu, match, options);
        for (std::size_t i = 0; i < kSearches.size(); ++i) {
            if (!measures[i]) continue;
            if (!seconds[i].empty() && measures[i]->seconds > seconds[i][slowest[i]])
                slowest[i] = p;
            seconds[i].push_back(measures[i]->seconds);
            nodes[i].push_back(measures[i]->nodes);
        }
        same = agree(measures, "random position " + std::to_string(p + 1), err) && same;
    }
    out << "depth " << options.depth << ", " << lines.size() << " positions of random games (seed "
        << options.seed << "), 12 to 40 placements, " << cornersOpen
        << " with two or more corners open\n";
    char line[200];
    std::snprintf(line, sizeof line, "%-7s %10s %10s %10s %12s %12s %12s\n", "search", "median s",
                  "99% s", "worst s", "median nodes", "99% nodes", "worst nodes");
    out << line;
    for (std::size_t i = 0; i < kSearches.size(); ++i) {
        if (!options.run[i]) continue;
        const auto worstNodes = *std::max_element(nodes[i].begin(), nodes[i].end());
        std::snprintf(line, sizeof line, "%-7s %10.4f %10.4f %10.4f %12llu %12llu %12llu\n",
                      nameOf(kSearches[i]), quantile(seconds[i], 0.5), quantile(seconds[i], 0.99),
                      seconds[i][slowest[i]],
                      static_cast<unsigned long long>(quantile(nodes[i], 0.5)),
                      static_cast<unsigned long long>(quantile(nodes[i], 0.99)),
                      static_cast<unsigned long long>(worstNodes));
        out << line;
    }
    for (std::size_t i = 0; i < kSearches.size(); ++i) {
        if (options.run[i]) {
            out << "slowest for " << nameOf(kSearches[i]) << ": " << lines[slowest[i]] << '\n';
        }
    }
    return same ? 0 : kSearchesDisagree;
}

}  // namespace

std::string benchSignature(std::int32_t depth, const Kernels& kernels) {
    Signature signature;
    DscProg match;
    for (const BenchPosition& position : benchPositions()) {
        playLine(position.line, match);
        const SearchResult result = kernels.prunedSearch(match, match.sideToMove(), depth,
                                                         -kSearchInfinity, kSearchInfinity);
        Measure m;
        if (result.move >= 0) m.choice = bitboard::cellPosOf(result.move);
        m.value = result.value;
        m.nodes = result.nodes;
        signature.add(m);
    }
    return signature.text();
}

int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<BenchOptions> options = parseOptions(args);
    if (!options) {
        err << "usage: discada-cli bench [--model pruned|fast|literal[,...]|all] [--depth D] "
               "[--random N [--seed S]] [--repeat R]\n";
        return kUsageExitCode;
    }
    return options->randomCount > 0 ? benchRandom(*options, out, err)
                                    : benchFixed(*options, out, err);
}

}  // namespace discada
