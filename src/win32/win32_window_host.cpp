#include "win32/win32_window_host.h"

#include "game/window_layout.h"
#include "win32/wide_text.h"

namespace discada {

namespace {

UINT iconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

void Win32WindowHost::showMessage(std::string_view text, std::string_view caption,
                                  MessageIcon icon) {
    ::MessageBoxW(window_, widen(text).c_str(), widen(caption).c_str(), MB_OK | iconStyle(icon));
}

void Win32WindowHost::toMoveList(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (const HWND list = ::FindWindowExW(window_, nullptr, L"LISTBOX", nullptr))
        ::SendMessageW(list, message, wParam, lParam);
}

void Win32WindowHost::listReset() {
    toMoveList(LB_RESETCONTENT, 0, 0);
}

void Win32WindowHost::listInsertTop(std::string_view text) {
    const std::wstring entry = widen(text);
    toMoveList(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void Win32WindowHost::listDeleteTop() {
    toMoveList(LB_DELETESTRING, 0, 0);
}

void Win32WindowHost::listSelect(int index) {
    // kNoListEntry, -1 to the list box too, clears the selection; any other index is also
    // scrolled into view.
    toMoveList(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32WindowHost::showReplayButtons(bool shown) {
    for (const ReplayButton& replay : kReplayButtons) {
        const std::wstring caption = widen(replay.caption);
        if (const HWND button = ::FindWindowExW(window_, nullptr, L"BUTTON", caption.c_str()))
            ::ShowWindow(button, shown ? SW_SHOW : SW_HIDE);
    }
}

void Win32WindowHost::setMenuState(int commandId, MenuItemState state) {
    const HMENU menu = ::GetMenu(window_);
    const UINT item = static_cast<UINT>(commandId);
    ::CheckMenuItem(menu, item, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    ::EnableMenuItem(menu, item, MF_BYCOMMAND | (state.greyed ? MF_GRAYED : MF_ENABLED));
}

void Win32WindowHost::requestRepaint() {
    ::InvalidateRect(window_, nullptr, FALSE);
}

void Win32WindowHost::paintNow() {
    ::UpdateWindow(window_);
}

}  // namespace discada
