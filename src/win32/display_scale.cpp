#include "win32/display_scale.h"

namespace discada {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time: older Windows lack it, and the program still starts there.
GetDpiForWindowFunction getDpiForWindow() {
    static const auto function =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

int deviceDpi(HWND window) {
    const HDC screen = ::GetDC(window);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(window, screen);
    return dpi > 0 ? dpi : DisplayScale::kLogicalDpi;
}

}  // namespace

DisplayScale windowScale(HWND window) {
    if (const auto function = getDpiForWindow()) {
        if (const UINT dpi = function(window); dpi != 0) return DisplayScale(static_cast<int>(dpi));
    }
    return DisplayScale(deviceDpi(window));
}

DisplayScale systemScale() {
    return DisplayScale(deviceDpi(nullptr));
}

}  // namespace discada
