#pragma once

#include <cstddef>
#include <string>

namespace discada {

struct [[nodiscard]] FileReadResult {
    bool ok = false;
    std::string bytes;  // at most the requested limit
    std::string error;  // why the file could not be read
};

// Reads at most `limit` bytes from the start of the file at the UTF-8 `path`.
FileReadResult readFilePrefix(const std::string& path, std::size_t limit);

}  // namespace discada
