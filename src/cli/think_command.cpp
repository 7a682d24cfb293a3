#include "cli/think_command.h"

#include <chrono>
#include <iomanip>
#include <optional>
#include <ostream>

#include "ai/dsc_cpu.h"
#include "ai/tree_walk.h"
#include "cli/command_args.h"
#include "cli/no_wait_clock.h"
#include "match/dsc_prog.h"
#include "platform/system_clock.h"
#include "record/record_text.h"
#include "record/text_file_io.h"

namespace discada {

namespace {

constexpr int kUnreadable = 1;
constexpr int kNoPlacement = 2;

struct ThinkOptions {
    std::int32_t level = 1;
    std::optional<std::int32_t> depth;
    SearchKind kind = SearchKind::Pruned;
    bool stats = false;
    bool pad = false;
    std::string path;
};

std::optional<ThinkOptions> parseOptions(const std::vector<std::string>& args) {
    ThinkOptions options;
    bool levelGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--level" && hasValue) {
            const auto level = parseInteger(args[++i]);
            if (!level) return {};
            options.level = *level;
            levelGiven = true;
        } else if (arg == "--depth" && hasValue) {
            options.depth = parseInteger(args[++i]);
            if (!options.depth || *options.depth < 1) return {};
        } else if (arg == "--model" && hasValue) {
            const auto kind = parseSearchKind(args[++i]);
            if (!kind) return {};
            options.kind = *kind;
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--pad") {
            options.pad = true;
        } else if (options.path.empty() && !arg.starts_with("--")) {
            options.path = arg;
        } else {
            return {};
        }
    }
    if (options.path.empty() || (levelGiven && options.depth)) return {};
    return options;
}

// Sets up the position the record reaches (an empty record leaves the starting position);
// false, with the reason on `err`, when the file cannot be read.
[[nodiscard]] bool loadPosition(const std::string& path, DscProg& match, std::ostream& err) {
    const FileReadResult file = readFilePrefix(path, kRecordReadLimit);
    if (!file.ok) {
        err << file.error << '\n';
        return false;
    }
    match.reset();
    readRecord(
        recordTextOf(file.bytes), match, [&] { match.reset(); }, [] {});
    return true;
}

bool hasPlacement(const DscProg& match) {
    std::array<CellPos, kCellListCapacity> list;
    return match.board().listMoves(match.sideToMove(), list, kCellListCapacity) > 0;
}

}  // namespace

int runThink(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<ThinkOptions> options = parseOptions(args);
    if (!options) {
        err << "usage: discada-cli think [--level L | --depth D] [--model pruned|fast|literal] "
               "[--stats] [--pad] FILE\n";
        return kUsageExitCode;
    }
    DscProg match;
    if (!loadPosition(options->path, match, err)) return kUnreadable;
    if (!hasPlacement(match)) {
        err << "no placement for the side to move\n";
        return kNoPlacement;
    }

    // Without --pad the minimum choice time passes on the clock without being waited for.
    SystemClock systemClock;
    NoWaitClock noWaitClock;
    Clock& clock = options->pad ? static_cast<Clock&>(systemClock) : noWaitClock;
    DscCpu cpu(clock);
    cpu.setMode(static_cast<GameMode>(match.sideToMove()));
    cpu.setSearchKind(options->kind);
    cpu.setLevel(options->level);

    const auto start = std::chrono::steady_clock::now();
    CellPos choice{};
    bool random = false;
    if (options->depth) {
        cpu.copyFrom(match);
        const std::uint32_t clockStart = clock.milliseconds();
        cpu.search(*options->depth, choice, -kSearchInfinity, kSearchInfinity);
        padChoiceTime(clock, clockStart);
    } else {
        random = cpu.choosesAtRandom(match);
        choice = cpu.think(match);
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    out << choice.column << ',' << choice.row;
    if (!random) out << ' ' << cpu.lastValue();
    out << '\n';
    if (options->stats) {
        err << "nodes=" << (random ? 0 : cpu.lastNodes()) << " seconds=" << std::fixed
            << std::setprecision(3) << seconds.count() << '\n';
    }
    return 0;
}

}  // namespace discada
