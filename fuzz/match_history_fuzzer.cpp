#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/property_checks.h"

// Any bytes as a sequence of placements, take-backs and replays on one match.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discada::abortOnFault(discada::checkHistoryBytes({reinterpret_cast<const char*>(data), size}));
    return 0;
}
