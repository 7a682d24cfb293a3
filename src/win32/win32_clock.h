#pragma once

#include "platform/clock.h"

namespace discada {

// The multimedia millisecond counter, which wraps at 2^32 as the computer player expects, and a
// real sleep.
class Win32Clock final : public Clock {
public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t milliseconds) override;
    std::int64_t calendarSeconds() override;
};

}  // namespace discada
