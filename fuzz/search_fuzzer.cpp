#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/property_checks.h"

// Any bytes as a position and a small search of it on both position models.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discada::abortOnFault(discada::checkSearchBytes({reinterpret_cast<const char*>(data), size}));
    return 0;
}
