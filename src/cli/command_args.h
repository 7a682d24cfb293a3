#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ai/dsc_cpu.h"

namespace discada {

// The exit code of every command given arguments it cannot take (EX_USAGE).
constexpr int kUsageExitCode = 64;

// A whole decimal integer, or nothing for any other text.
std::optional<std::int32_t> parseInteger(std::string_view text);
// A search by its name: "pruned", "fast" or "literal".
std::optional<SearchKind> parseSearchKind(std::string_view text);

}  // namespace discada
