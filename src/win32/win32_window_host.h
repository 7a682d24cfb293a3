#pragma once

#include <windows.h>

#include "platform/window_host.h"

namespace discada {

// The main window's controls and menu as the game controller sees them. The move list and the
// replay buttons are looked up on every call, by class and caption, never kept: before they are
// created a request to them does nothing.
class Win32WindowHost final : public WindowHost {
public:
    explicit Win32WindowHost(HWND window) : window_(window) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;

    void listReset() override;
    void listInsertTop(std::string_view text) override;
    void listDeleteTop() override;
    void listSelect(int index) override;

    void showReplayButtons(bool shown) override;

    void setMenuState(int commandId, MenuItemState state) override;

    void requestRepaint() override;
    void paintNow() override;

private:
    // Sends `message` to the move list, when there is one.
    void toMoveList(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND window_;
};

}  // namespace discada
