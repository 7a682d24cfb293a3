#pragma once

#include <cstdint>

namespace discada {

// The time services the computer player needs: a millisecond counter that wraps at 2^32, a
// sleep, and the calendar time in whole seconds that seeds its random choices.
class Clock {
public:
    virtual ~Clock() = default;

    virtual std::uint32_t milliseconds() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
    virtual std::int64_t calendarSeconds() = 0;
};

}  // namespace discada
