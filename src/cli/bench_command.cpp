#include "cli/bench_command.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
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

// The searches in the order of their rows: the game's, then the two walks of the whole tree.
constexpr std::array<SearchModel, 3> kModels = {SearchModel::Pruned, SearchModel::Fast,
                                                SearchModel::Literal};
constexpr std::size_t kWalk = 1;
constexpr std::size_t kLiteralWalk = 2;

struct BenchOptions {
    // Indexed like kModels. The literal walk is left out unless asked for: at the default depth
    // it would take hours.
    std::array<bool, kModels.size()> run = {true, true, false};
    std::int32_t depth = kDefaultDepth;
};

// "all", or names of searches separated by commas.
std::optional<std::array<bool, kModels.size()>> parseModels(std::string_view text) {
    if (text == "all") return std::array<bool, kModels.size()>{true, true, true};
    std::array<bool, kModels.size()> run{};
    while (true) {
        const std::size_t comma = text.find(',');
        const auto model = parseSearchModel(text.substr(0, comma));
        if (!model) return {};
        for (std::size_t i = 0; i < kModels.size(); ++i)
            run[i] = run[i] || kModels[i] == *model;
        if (comma == std::string_view::npos) return run;
        text.remove_prefix(comma + 1);
    }
}

std::optional<BenchOptions> parseOptions(const std::vector<std::string>& args) {
    if (args.size() % 2 != 0) return {};
    BenchOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (args[i] == "--model") {
            const auto run = parseModels(args[i + 1]);
            if (!run) return {};
            options.run = *run;
        } else if (args[i] == "--depth") {
            const auto depth = parseInteger(args[i + 1]);
            if (!depth || *depth < 1) return {};
            options.depth = *depth;
        } else {
            return {};
        }
    }
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

// How many times fewer seconds this took than the walk; "-" without a walk to compare with.
std::string speedUp(const std::optional<Totals>& walk, const Totals& self) {
    if (!walk || self.seconds <= 0) return "-";
    char text[32];
    const double ratio = walk->seconds / self.seconds;
    std::snprintf(text, sizeof text, ratio < 1 ? "%.2f" : "%.1f", ratio);
    return text;
}

void printRow(std::ostream& out, std::string_view name, SearchModel model, const std::string& moves,
              const std::string& choice, const Totals& row, const std::optional<Totals>& walk) {
    char line[200];
    std::snprintf(line, sizeof line, "%-12s %-7s %5s %8s %12llu %10.3f %12.0f %9s\n",
                  std::string(name).c_str(), nameOf(model), moves.c_str(), choice.c_str(),
                  static_cast<unsigned long long>(row.nodes), row.seconds,
                  perSecond(row.nodes, row.seconds), speedUp(walk, row).c_str());
    out << line;
}

// The part of a position's name before its number: early, midgame or late.
std::string_view phaseOf(std::string_view name) {
    return name.substr(0, name.find('-'));
}

}  // namespace

int runBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<BenchOptions> options = parseOptions(args);
    if (!options) {
        err << "usage: discada-cli bench [--model pruned|fast|literal[,...]|all] [--depth D]\n";
        return kUsageExitCode;
    }
    NoWaitClock clock;
    DscCpu cpu(clock);
    DscProg match;
    // Per phase and in all, per search.
    std::map<std::string_view, std::array<Totals, kModels.size()>> phases;
    std::array<Totals, kModels.size()> all{};
    bool agree = true;
    out << "depth " << options->depth << "\n";
    char header[200];
    std::snprintf(header, sizeof header, "%-12s %-7s %5s %8s %12s %10s %12s %9s\n", "position",
                  "model", "moves", "choice", "nodes", "seconds", "nodes/s", "x walk");
    out << header;
    for (const BenchPosition& position : benchPositions()) {
        if (!playLine(position.line, match)) {
            err << "bench position " << position.name << " cannot be played\n";
            return 1;
        }
        std::array<std::optional<Measure>, kModels.size()> measures;
        for (std::size_t i = 0; i < kModels.size(); ++i) {
            if (options->run[i]) measures[i] = measure(cpu, match, kModels[i], options->depth);
        }
        std::optional<Totals> walk;
        if (measures[kWalk]) walk = Totals{measures[kWalk]->nodes, measures[kWalk]->seconds};
        const std::optional<Measure>* first = nullptr;
        for (std::size_t i = 0; i < kModels.size(); ++i) {
            const std::optional<Measure>& m = measures[i];
            if (!m) continue;
            const std::string choice = std::to_string(m->choice.column) + ',' +
                                       std::to_string(m->choice.row) + ' ' +
                                       std::to_string(m->value);
            printRow(out, position.name, kModels[i], std::to_string(match.movesPlayed()), choice,
                     Totals{m->nodes, m->seconds}, walk);
            phases[phaseOf(position.name)][i].add(*m);
            all[i].add(*m);
            if (first && ((*first)->choice != m->choice || (*first)->value != m->value)) {
                err << "the searches disagree on " << position.name << '\n';
                agree = false;
            }
            first = first ? first : &m;
        }
        if (measures[kWalk] && measures[kLiteralWalk] &&
            measures[kWalk]->nodes != measures[kLiteralWalk]->nodes) {
            err << "the walks count different nodes on " << position.name << '\n';
            agree = false;
        }
        out.flush();
    }
    auto printTotals = [&](std::string_view name, const std::array<Totals, kModels.size()>& row) {
        const std::optional<Totals> walk =
            options->run[kWalk] ? std::optional<Totals>(row[kWalk]) : std::nullopt;
        for (std::size_t i = 0; i < kModels.size(); ++i) {
            if (options->run[i]) printRow(out, name, kModels[i], "", "", row[i], walk);
        }
    };
    for (const auto& [phase, row] : phases)
        printTotals(phase, row);
    printTotals("total", all);
    return agree ? 0 : kModelsDisagree;
}

}  // namespace discada
