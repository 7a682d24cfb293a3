#pragma once

#include <iosfwd>

namespace discada {

// `discada-cli play [--no-delay]`: the game driven by text. Reads one command per line from `in`
// (`command ID`, `click X Y`, `place C R`, `answer PATH|cancel`, `board`) and writes what the
// window would show, and the help file the viewer is asked to open, to `out`, one event per line; a
// line it cannot carry out gets one `error:` line on `err` and changes nothing. Starts like the
// window (level 1, the person as black) and returns 0 at command 900 or at the end of the input.
// `noDelay` lets the computer's minimum thinking time pass without waiting.
int runPlay(std::istream& in, std::ostream& out, std::ostream& err, bool noDelay);

}  // namespace discada
