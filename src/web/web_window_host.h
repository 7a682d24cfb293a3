#pragma once

#include <functional>
#include <utility>

#include "platform/window_host.h"

namespace discada {

// The main window as the page shows it: message boxes are boxes in the page that suspend the
// game's call until they are closed; the move list, the replay buttons and the menu items are
// elements of the page; painting copies the back buffer onto the page's canvas.
class WebWindowHost final : public WindowHost {
public:
    // `paint` renders the game into the back buffer and puts it on the canvas; `beforeWaiting`
    // runs before a message box suspends the game's call.
    WebWindowHost(std::function<void()> paint, std::function<void()> beforeWaiting)
        : paint_(std::move(paint)), beforeWaiting_(std::move(beforeWaiting)) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;

    void listReset() override;
    void listInsertTop(std::string_view text) override;
    void listDeleteTop() override;
    void listSelect(int index) override;

    void showReplayButtons(bool shown) override;

    void setMenuState(int commandId, MenuItemState state) override;

    // Read out by the page's live region, as are the message boxes' texts.
    void announce(std::string_view text) override;

    void requestRepaint() override;
    void paintNow() override;

    // After closing nothing reaches the page any more.
    void detach() { attached_ = false; }

private:
    std::function<void()> paint_;
    std::function<void()> beforeWaiting_;
    bool attached_ = true;
};

}  // namespace discada
