#include "cli/perft_command.h"

#include <ostream>

#include "ai/kernels.h"
#include "cli/command_args.h"
#include "match/dsc_prog.h"

namespace discada {

int runPerft(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto depth = args.size() == 1 ? parseInteger(args[0]) : std::nullopt;
    if (!depth || *depth < 0) {
        err << "usage: discada-cli perft D\n";
        return kUsageExitCode;
    }
    DscProg start;
    start.reset();
    out << kernelsFor(bestKernelIsa()).perft(start, *depth) << '\n';
    return 0;
}

}  // namespace discada
