#include "win32/win32_clock.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <ctime>

namespace discada {

std::uint32_t Win32Clock::milliseconds() {
    return ::timeGetTime();
}

void Win32Clock::sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::int64_t Win32Clock::calendarSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace discada
