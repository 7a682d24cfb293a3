#pragma once

#include <string_view>

namespace discada {

enum class MessageIcon { None, Information, Warning };

// The move list's index that stands for no entry: selecting it clears the selection.
constexpr int kNoListEntry = -1;

// The state of a menu item as the game sets it: a check mark and greying.
struct MenuItemState {
    bool checked = false;
    bool greyed = false;
    bool operator==(const MenuItemState&) const = default;
};

// The main window as the game controller sees it: modal message boxes, the move list beside the
// board, the four replay buttons, the menu items' states and repainting. A window starts with an
// empty list, the buttons hidden and every menu item unmarked and enabled; the controller tells it
// each change from there and never asks what it shows.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Shows a modal message box with one OK button and returns when it is closed.
    virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

    virtual void listReset() = 0;
    virtual void listInsertTop(std::string_view text) = 0;
    virtual void listDeleteTop() = 0;
    // Selects the entry at `index` (0 is the top entry); kNoListEntry clears the selection.
    virtual void listSelect(int index) = 0;

    virtual void showReplayButtons(bool shown) = 0;

    virtual void setMenuState(int commandId, MenuItemState state) = 0;

    // Tells a person who cannot see the board what a placement did. A window whose picture is
    // all its players need may leave it out.
    virtual void announce(std::string_view /*text*/) {}

    // Asks for the whole window to be repainted later, without erasing.
    virtual void requestRepaint() = 0;
    // Paints pending changes at once.
    virtual void paintNow() = 0;
};

}  // namespace discada
