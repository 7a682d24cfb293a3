#pragma once

#include <string>

namespace discada {

// The outcome of an operation on a file: done, or not done and why, in words.
struct [[nodiscard]] FileResult {
    bool ok = false;
    std::string error;  // why it failed; empty when it was done
};

}  // namespace discada
