#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <filesystem>
#include <vector>

#include "game/app_info.h"
#include "game/window_layout.h"
#include "win32/display_scale.h"
#include "win32/game_window.h"
#include "win32/wide_text.h"

namespace {

constexpr const wchar_t* kClassName = L"Default Class Name";
// Caption, system menu and minimise box, thin fixed frame: no maximise box, no sizing border.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The help file of the package lies beside the program.
std::filesystem::path programFolder() {
    std::vector<wchar_t> path(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length == path.size()) return {};
    return std::filesystem::path(path.data()).parent_path();
}

bool registerWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = discada::GameWindow::procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    // Erasing paints nothing: the whole client area comes from the back buffer.
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    windowClass.lpszMenuName = L"MYMENU";
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassW(&windowClass) != 0;
}

int runMessageLoop(HWND window, HACCEL accelerators) {
    MSG message{};
    while (true) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) break;
        if (got == -1) {
            ::MessageBoxW(nullptr, L"GetMessage Error!", L"Error", MB_OK);
            break;
        }
        // The keys act for the main window whichever control has the focus.
        if (::TranslateAcceleratorW(window, accelerators, &message) == 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR /*commandLine*/, int show) {
    discada::GameWindow game(programFolder());
    if (previous == nullptr && !registerWindowClass(instance)) return 0;
    // The list box and the buttons of today's Windows, as the manifest asks for.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The outer size scales with the screen; the window centres itself at that size.
    const discada::DisplayScale scale = discada::systemScale();
    const int width = scale.pixels(discada::kWindowOuterWidth);
    const int height = scale.pixels(discada::kWindowOuterHeight);
    const discada::WindowPosition at = discada::centredWindowPosition(
        ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), width, height);
    const HWND window =
        ::CreateWindowExW(0, kClassName, discada::widen(discada::kAppName).c_str(), kWindowStyle,
                          at.x, at.y, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 0;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    game.createControls(window, instance);
    return runMessageLoop(window, ::LoadAcceleratorsW(instance, L"MYACCEL"));
}
