#pragma once

#include <cstdint>
#include <vector>

#include "platform/clock.h"

namespace discada {

// A clock for tests: the counter moves by `step` after every reading (the time a choice
// "takes") and by whatever is slept; the calendar second is set by hand. Every sleep is kept.
class FakeClock final : public Clock {
public:
    std::uint32_t milliseconds() override {
        const std::uint32_t reading = now;
        now += step;
        return reading;
    }
    void sleep(std::uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    std::int64_t calendarSeconds() override { return seconds; }

    std::uint32_t now = 0;
    std::uint32_t step = 0;
    std::int64_t seconds = 1'700'000'000;
    std::vector<std::uint32_t> sleeps;
};

}  // namespace discada
