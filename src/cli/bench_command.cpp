#include "cli/bench_command.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

#include "ai/dsc_cpu.h"
#include "ai/search_tree.h"
#include "cli/bench_positions.h"
#include "cli/command_args.h"
#include "cli/no_wait_clock.h"
#include "match/dsc_prog.h"

namespace discada {

namespace {

constexpr std::int32_t kDefaultDepth = 10;
constexpr int kModelsDisagree = 3;
constexpr int kBadArguments = 64;

struct BenchOptions {
    bool literal = false;
    bool fast = true;
    std::int32_t depth = kDefaultDepth;
};

std::optional<BenchOptions> parseOptions(const std::vector<std::string>& args) {
    BenchOptions options;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--model" && args[i + 1] == "both") {
            options = {true, true, options.depth};
        } else if (args[i] == "--model") {
            const auto model = parseSearchModel(args[i + 1]);
            if (!model) return {};
            options.literal = *model == SearchModel::Literal;
            options.fast = *model == SearchModel::Fast;
        } else if (args[i] == "--depth") {
            const auto depth = parseInteger(args[i + 1]);
            if (!depth || *depth < 1) return {};
            options.depth = *depth;
        } else {
            return {};
        }
    }
    if (args.size() % 2 != 0) return {};
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

Measure measure(DscCpu& cpu, const DscProg& match, SearchModel model, std::int32_t depth) {
    cpu.copyFrom(match);
    cpu.setMode(static_cast<GameMode>(match.sideToMove()));
    cpu.setSearchModel(model);
    Measure m;
    const auto start = std::chrono::steady_clock::now();
    m.value = cpu.search(depth, m.choice, -kSearchInfinity, kSearchInfinity);
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.nodes = cpu.lastNodes();
    return m;
}

double perSecond(std::uint64_t nodes, double seconds) {
    return seconds > 0 ? static_cast<double>(nodes) / seconds : 0;
}

void printRow(std::ostream& out, const char* name, const char* model, const char* moves,
              const char* choice, std::uint64_t nodes, double seconds) {
    char line[160];
    std::snprintf(line, sizeof line, "%-12s %-7s %5s %6s %12llu %10.3f %12.0f\n", name, model,
                  moves, choice, static_cast<unsigned long long>(nodes), seconds,
                  perSecond(nodes, seconds));
    out << line;
}

void printMeasure(std::ostream& out, const BenchPosition& position, const DscProg& match,
                  const char* model, const Measure& m) {
    const std::string moves = std::to_string(match.movesPlayed());
    const std::string choice = std::to_string(m.choice.column) + ',' +
                               std::to_string(m.choice.row) + ' ' + std::to_string(m.value);
    printRow(out, std::string(position.name).c_str(), model, moves.c_str(), choice.c_str(), m.nodes,
             m.seconds);
}

bool sameAnswer(const Measure& a, const Measure& b) {
    return a.choice == b.choice && a.value == b.value && a.nodes == b.nodes;
}

}  // namespace

int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<BenchOptions> options = parseOptions(args);
    if (!options) {
        err << "usage: discada-cli bench [--model fast|literal|both] [--depth D]\n";
        return kBadArguments;
    }
    NoWaitClock clock;
    DscCpu cpu(clock);
    DscProg match;
    Totals literal;
    Totals fast;
    bool agree = true;
    out << "depth " << options->depth << "\n";
    char header[160];
    std::snprintf(header, sizeof header, "%-12s %-7s %5s %6s %12s %10s %12s\n", "position", "model",
                  "moves", "choice", "nodes", "seconds", "nodes/s");
    out << header;
    for (const BenchPosition& position : benchPositions()) {
        if (!playLine(position.line, match)) {
            err << "bench position " << position.name << " cannot be played\n";
            return 1;
        }
        std::optional<Measure> slow;
        if (options->literal) {
            slow = measure(cpu, match, SearchModel::Literal, options->depth);
            literal.add(*slow);
            printMeasure(out, position, match, "literal", *slow);
        }
        if (options->fast) {
            const Measure m = measure(cpu, match, SearchModel::Fast, options->depth);
            fast.add(m);
            printMeasure(out, position, match, "fast", m);
            if (slow && !sameAnswer(*slow, m)) {
                err << "the models disagree on " << position.name << '\n';
                agree = false;
            }
        }
        out.flush();
    }
    if (options->literal) printRow(out, "total", "literal", "", "", literal.nodes, literal.seconds);
    if (options->fast) printRow(out, "total", "fast", "", "", fast.nodes, fast.seconds);
    if (options->literal && options->fast) {
        char ratio[80];
        std::snprintf(
            ratio, sizeof ratio, "fast/literal nodes per second: %.1f\n",
            perSecond(fast.nodes, fast.seconds) / perSecond(literal.nodes, literal.seconds));
        out << ratio;
    }
    return agree ? 0 : kModelsDisagree;
}

}  // namespace discada
