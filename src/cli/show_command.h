#pragma once

#include <iosfwd>
#include <string>

namespace discada {

// `discada-cli show FILE`: loads the record and prints the position it reaches. Returns the
// exit code: 0 shown, 1 the file cannot be read, 2 it holds no usable placement.
int runShow(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace discada
