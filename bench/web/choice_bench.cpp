// The computer's choice at the hidden level over the bench positions, timed inside the page: a
// copy of the page's module with this file added, so the search runs as compiled for the page
// (WebAssembly, its flags, Asyncify) in the browser that shows it. bench/web/page_goals.py calls
// it with the processor slowed down, through the function choice_bench.js publishes.
#include <chrono>
#include <sstream>
#include <string>

#include "ai/dsc_cpu.h"
#include "ai/kernels.h"
#include "cli/bench_command.h"
#include "cli/bench_positions.h"
#include "cli/no_wait_clock.h"
#include "match/dsc_prog.h"

namespace discada {

namespace {

// The level of command 230, which no menu item offers: the deepest search.
constexpr std::int32_t kHiddenLevel = 3;
// The signature's depth, as the tests pin it.
constexpr std::int32_t kSignatureDepth = 8;

}  // namespace

}  // namespace discada

// "Bench: NODES CHECK" at depth 8, then a line "NAME C,R VALUE MILLISECONDS" for each position:
// the computer's choice for the side to move, without the minimum choice time.
extern "C" const char* web_bench_choices() {
    using namespace discada;
    static std::string report;
    std::ostringstream out;
    out << benchSignature(kSignatureDepth, kernelsFor(bestKernelIsa())) << '\n';
    for (const BenchPosition& position : benchPositions()) {
        DscProg live;
        playLine(position.line, live);
        NoWaitClock clock;
        DscCpu computer(clock);
        computer.setMode(static_cast<GameMode>(live.sideToMove()));
        computer.setLevel(kHiddenLevel);
        const auto start = std::chrono::steady_clock::now();
        const CellPos choice = computer.think(live);
        const std::chrono::duration<double, std::milli> milliseconds =
            std::chrono::steady_clock::now() - start;
        out << position.name << ' ' << choice.column << ',' << choice.row << ' '
            << computer.lastValue() << ' ' << milliseconds.count() << '\n';
    }
    report = out.str();
    return report.c_str();
}
