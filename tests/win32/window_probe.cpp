// Reads what the game's windows show, for the window tests, and what Windows reads of its files:
// run under the same wine as the game, it finds the windows by class and title as any other
// program could.
//
//   window_probe origin TITLE     the screen position of the main window's client area: "X Y"
//   window_probe list TITLE       the lines of the main window's move list, top first
//   window_probe layout TITLE     the main window's outer size, then the move list's and each
//                                 replay button's place in the client area, in device pixels,
//                                 and the list's inner height and row height
//   window_probe box CAPTION      waits for a message box, prints its texts and presses its OK
//   window_probe version FILE     the version details of a program, as Explorer reads them
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/wide_text.h"

namespace {

constexpr int kBoxWaitSteps = 100;
constexpr DWORD kBoxWaitStepMs = 100;

void print(const std::wstring& text) {
    const std::string utf8 = discada::narrow(text) + "\n";
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

HWND mainWindow(const wchar_t* title) {
    return ::FindWindowW(L"Default Class Name", title);
}

int printOrigin(HWND window) {
    POINT origin{0, 0};
    if (window == nullptr || ::ClientToScreen(window, &origin) == 0) return 1;
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}

// "CLASS X Y WIDTH HEIGHT" of a child, in the parent's client coordinates.
void printChildArea(HWND child, const char* name) {
    RECT area{};
    ::GetWindowRect(child, &area);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&area), 2);
    std::printf("%s %ld %ld %ld %ld", name, area.left, area.top, area.right - area.left,
                area.bottom - area.top);
}

int printLayout(HWND window) {
    RECT outer{};
    if (window == nullptr || ::GetWindowRect(window, &outer) == 0) return 1;
    std::printf("window %ld %ld\n", outer.right - outer.left, outer.bottom - outer.top);
    const HWND list = ::FindWindowExW(window, nullptr, L"LISTBOX", nullptr);
    if (list == nullptr) return 1;
    RECT inside{};
    ::GetClientRect(list, &inside);
    printChildArea(list, "list");
    std::printf(" %ld %d\n", inside.bottom,
                static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
    for (const wchar_t* caption : {L"<<", L"<", L">", L">>"}) {
        const HWND button = ::FindWindowExW(window, nullptr, L"BUTTON", caption);
        if (button == nullptr) return 1;
        printChildArea(button, discada::narrow(caption).c_str());
        std::printf("\n");
    }
    return 0;
}

int printList(HWND window) {
    const HWND list = ::FindWindowExW(window, nullptr, L"LISTBOX", nullptr);
    if (list == nullptr) return 1;
    const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::wstring line(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)),
                          L'\0');
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        print(line);
    }
    return 0;
}

BOOL CALLBACK printStaticText(HWND child, LPARAM) {
    wchar_t className[16] = {};
    ::GetClassNameW(child, className, 16);
    const int length = ::GetWindowTextLengthW(child);
    if (::lstrcmpiW(className, L"Static") == 0 && length > 0) {
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(child, text.data(), length + 1)));
        print(text);
    }
    return TRUE;
}

int readAndCloseBox(const wchar_t* caption) {
    HWND box = nullptr;
    for (int step = 0; step < kBoxWaitSteps && box == nullptr; ++step) {
        box = ::FindWindowW(L"#32770", caption);
        if (box == nullptr) ::Sleep(kBoxWaitStepMs);
    }
    if (box == nullptr) return 1;
    ::EnumChildWindows(box, printStaticText, 0);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

// The file and product version numbers, then the texts of the first language, one per line.
int printVersion(const wchar_t* file) {
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file, &unused);
    std::vector<std::byte> info(size);
    if (size == 0 || ::GetFileVersionInfoW(file, 0, size, info.data()) == 0) return 1;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) == 0)
        return 1;
    std::printf("FILEVERSION %d.%d.%d.%d\nPRODUCTVERSION %d.%d.%d.%d\n",
                HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS),
                HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
                HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
    WORD* language = nullptr;
    if (::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                         reinterpret_cast<void**>(&language), &length) == 0 ||
        length < 2 * sizeof(WORD))
        return 1;
    for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"FileVersion",
                                L"FileDescription", L"OriginalFilename"}) {
        wchar_t path[64];
        ::wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\%s", language[0], language[1], name);
        wchar_t* text = nullptr;
        const bool found =
            ::VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&text), &length) != 0;
        print(std::wstring(name) + L" " + (found ? text : L"(none)"));
    }
    return 0;
}

}  // namespace

int main() {
    // Coordinates in device pixels, whatever the screen's scaling.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (args == nullptr || count != 3) return 2;
    const std::wstring command = args[1];
    const wchar_t* name = args[2];
    if (command == L"origin") return printOrigin(mainWindow(name));
    if (command == L"list") return printList(mainWindow(name));
    if (command == L"layout") return printLayout(mainWindow(name));
    if (command == L"box") return readAndCloseBox(name);
    if (command == L"version") return printVersion(name);
    return 2;
}
