#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/bench_command.h"
#include "cli/command_args.h"
#include "cli/perft_command.h"
#include "cli/play_command.h"
#include "cli/show_command.h"
#include "cli/think_command.h"
#include "game/app_info.h"
#include "platform/system.h"

namespace {

constexpr std::string_view kUsage =
    "usage: discada-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  show FILE    load a game record and print the position it reaches\n"
    "  play [--no-delay]\n"
    "               play with one command a line on standard input: command ID,\n"
    "               click X Y, place COLUMN ROW, answer PATH|cancel, board\n"
    "  think [--level L | --depth D] [--model pruned|fast|literal] [--stats] [--pad] FILE\n"
    "               the computer's choice for the side to move of a record: C,R VALUE\n"
    "  perft D      leaves D plies below the starting position (a pass is a ply)\n"
    "  bench [--model pruned|fast|literal[,...]|all] [--depth D] [--random N [--seed S]]\n"
    "        [--repeat R]\n"
    "               time the searches on fixed positions (depth 10 unless given) and\n"
    "               print the signature line, or their spread over N random positions\n"
    "  --help       print this text\n"
    "  --version    print the program's name and version\n";

int usage(std::ostream& out, int exitCode) {
    out << kUsage;
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = discada::commandLineArguments(argc, argv);
    if (args.empty()) return usage(std::cerr, discada::kUsageExitCode);
    if (args[0] == "--help" || args[0] == "-h") return usage(std::cout, 0);
    if (args[0] == "--version" && args.size() == 1) {
        std::cout << discada::kAppName << ' ' << discada::kVersionText << '\n';
        return 0;
    }
    if (args[0] == "show" && args.size() == 2)
        return discada::runShow(args[1], std::cout, std::cerr);
    if (args[0] == "play" && (args.size() == 1 || (args.size() == 2 && args[1] == "--no-delay"))) {
        return discada::runPlay(std::cin, std::cout, std::cerr, args.size() == 2);
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "think") return discada::runThink(rest, std::cout, std::cerr);
    if (args[0] == "perft") return discada::runPerft(rest, std::cout, std::cerr);
    if (args[0] == "bench") return discada::runBench(rest, std::cout, std::cerr);
    return usage(std::cerr, discada::kUsageExitCode);
}
