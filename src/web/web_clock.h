#pragma once

#include <functional>
#include <utility>

#include "platform/clock.h"

namespace discada {

// The page's clock. A sleep suspends the game's call and lets the page go on meanwhile: it
// repaints, and the input that arrives waits in the page's queue.
class WebClock final : public Clock {
public:
    // `beforeWaiting` runs before each sleep suspends the game's call.
    explicit WebClock(std::function<void()> beforeWaiting)
        : beforeWaiting_(std::move(beforeWaiting)) {}

    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t milliseconds) override;
    std::int64_t calendarSeconds() override;

private:
    std::function<void()> beforeWaiting_;
};

}  // namespace discada
