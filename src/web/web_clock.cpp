#include "web/web_clock.h"

#include <emscripten.h>

#include <ctime>

namespace discada {

std::uint32_t WebClock::milliseconds() {
    // Truncating to 32 bits gives the wrapping counter the elapsed-time arithmetic expects.
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

void WebClock::sleep(std::uint32_t milliseconds) {
    beforeWaiting_();
    emscripten_sleep(milliseconds);
}

std::int64_t WebClock::calendarSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace discada
