#include "platform/system_clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace discada {

std::uint32_t SystemClock::milliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Truncating to 32 bits gives the wrapping counter the elapsed-time arithmetic expects.
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SystemClock::sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::int64_t SystemClock::calendarSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace discada
