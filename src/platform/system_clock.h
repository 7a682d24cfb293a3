#pragma once

#include "platform/clock.h"

namespace discada {

// The real clock: steady milliseconds since an arbitrary start, a real sleep, the calendar.
class SystemClock final : public Clock {
public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t milliseconds) override;
    std::int64_t calendarSeconds() override;
};

}  // namespace discada
