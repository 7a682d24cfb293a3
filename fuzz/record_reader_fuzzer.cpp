#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/property_checks.h"

// Any bytes as a record file, read into a fresh match.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discada::abortOnFault(discada::checkRecordBytes({reinterpret_cast<const char*>(data), size}));
    return 0;
}
