#include <benchmark/benchmark.h>

#include <string>

#include "ai/dsc_cpu.h"
#include "ai/kernels.h"
#include "ai/tree_walk.h"
#include "cli/bench_positions.h"
#include "cli/command_args.h"
#include "cli/no_wait_clock.h"
#include "match/dsc_prog.h"

namespace discada {
namespace {

bitboard::Bits discsOf(const DscProg& match, DiscColor colour) {
    bitboard::Bits discs = 0;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (match.board().stateAt(column, row) == colour) {
                discs |= bitboard::Bits{1} << ((column - 1) * kBoardSize + row - 1);
            }
        }
    }
    return discs;
}

// One search of a bench position; reports the nodes and nodes per second.
void searchPosition(benchmark::State& state, const BenchPosition& position, SearchKind kind,
                    std::int32_t depth) {
    DscProg match;
    if (!playLine(position.line, match)) {
        state.SkipWithError("the bench position cannot be played");
        return;
    }
    NoWaitClock clock;
    DscCpu cpu(clock);
    cpu.setMode(static_cast<GameMode>(match.sideToMove()));
    cpu.setSearchKind(kind);
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        cpu.copyFrom(match);
        CellPos slot{};
        benchmark::DoNotOptimize(cpu.search(depth, slot, -kSearchInfinity, kSearchInfinity));
        nodes += cpu.lastNodes();
    }
    state.counters["nodes"] = static_cast<double>(cpu.lastNodes());
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void perftFromStart(benchmark::State& state) {
    DscProg start;
    start.reset();
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    std::uint64_t leaves = 0;
    for (auto _ : state)
        leaves += kernels.perft(start, static_cast<std::int32_t>(state.range(0)));
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}

// Both colours' legal placements of every bench position, as a turn change finds them.
void legalPlacements(benchmark::State& state) {
    std::vector<std::pair<bitboard::Bits, bitboard::Bits>> boards;
    DscProg match;
    for (const BenchPosition& position : benchPositions()) {
        playLine(position.line, match);
        boards.push_back({discsOf(match, kBlack), discsOf(match, kWhite)});
    }
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    for (auto _ : state) {
        for (const auto& [black, white] : boards) {
            benchmark::DoNotOptimize(kernels.legalPlacements(black, white));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(boards.size()));
}

// Whole games of the computer against itself at level 1, padding included but not waited for.
void selfPlayGame(benchmark::State& state) {
    NoWaitClock clock;
    DscCpu black(clock);
    DscCpu white(clock);
    black.setMode(GameMode::ComputerBlack);
    white.setMode(GameMode::ComputerWhite);
    DscProg match;
    for (auto _ : state) {
        match.reset();
        bool made = match.makeMove(4, 3);
        while (made && !match.isOver()) {
            DscCpu& mover = match.sideToMove() == kBlack ? black : white;
            const CellPos m = mover.think(match);
            made = match.makeMove(m.column, m.row);
        }
        if (!made) {
            state.SkipWithError("a placement was refused");
            break;
        }
    }
}

benchmark::internal::Benchmark* registerSearch(const BenchPosition& position, SearchKind kind,
                                               std::int32_t depth) {
    const std::string name = std::string("Search/") + nameOf(kind) + '/' +
                             std::string(position.name) + "/depth:" + std::to_string(depth);
    return benchmark::RegisterBenchmark(name.c_str(), searchPosition, position, kind, depth)
        ->Unit(benchmark::kMillisecond);
}

void registerAll() {
    // Every search on every position at a depth the literal walk finishes in well under a
    // second; the game's level 3 with the pruned search and the fast walk (which may take tens
    // of seconds); and two placements deeper with the pruned search alone.
    for (const BenchPosition& position : benchPositions()) {
        for (const SearchKind kind :
             {SearchKind::Pruned, SearchKind::BitboardWalk, SearchKind::MatchWalk}) {
            registerSearch(position, kind, 5);
        }
    }
    for (const BenchPosition& position : benchPositions()) {
        for (const SearchKind kind : {SearchKind::Pruned, SearchKind::BitboardWalk})
            registerSearch(position, kind, 10)->Iterations(1);
    }
    for (const BenchPosition& position : benchPositions())
        registerSearch(position, SearchKind::Pruned, 12)->Iterations(1);
    benchmark::RegisterBenchmark("Perft", perftFromStart)
        ->Arg(9)
        ->Arg(10)
        ->Arg(11)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LegalPlacementsOfBoth", legalPlacements);
    benchmark::RegisterBenchmark("SelfPlayGameLevel1", selfPlayGame)->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace discada

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("kernels", discada::nameOf(discada::bestKernelIsa()));
    discada::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
