#include "cli/no_wait_clock.h"

#include "platform/system_clock.h"

namespace discada {

std::uint32_t NoWaitClock::milliseconds() {
    return SystemClock().milliseconds() + skipped_;
}

std::int64_t NoWaitClock::calendarSeconds() {
    return SystemClock().calendarSeconds();
}

}  // namespace discada
