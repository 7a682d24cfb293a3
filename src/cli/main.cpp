#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/play_command.h"
#include "cli/show_command.h"
#include "game/app_info.h"

namespace {

constexpr std::string_view kUsage =
    "usage: discada-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  show FILE    load a game record and print the position it reaches\n"
    "  play [--no-delay]\n"
    "               play with one command a line on standard input: command ID,\n"
    "               click X Y, place COLUMN ROW, answer PATH|cancel, board\n"
    "  --help       print this text\n"
    "  --version    print the program's name and version\n";

int usage(std::ostream& out, int exitCode) {
    out << kUsage;
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") return usage(std::cout, 0);
    if (args[0] == "--version" && args.size() == 1) {
        std::cout << discada::kAppName << ' ' << discada::kVersionText << '\n';
        return 0;
    }
    if (args[0] == "show" && args.size() == 2)
        return discada::runShow(args[1], std::cout, std::cerr);
    if (args[0] == "play" && (args.size() == 1 || (args.size() == 2 && args[1] == "--no-delay"))) {
        return discada::runPlay(std::cin, std::cout, std::cerr, args.size() == 2);
    }
    return usage(std::cerr, 64);
}
