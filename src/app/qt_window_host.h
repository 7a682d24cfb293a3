#pragma once

#include <array>
#include <map>

#include "platform/window_host.h"

class QAction;
class QListWidget;
class QPushButton;
class QWidget;

namespace discada {

class MessageSink;

// The main window's widgets as the game controller sees them. Qt toggles a checkable menu item by
// itself when it is chosen; the controller then sets the mark it means.
class QtWindowHost final : public WindowHost {
public:
    QtWindowHost(MessageSink& messages, QWidget& view, QListWidget& moveList,
                 const std::array<QPushButton*, 4>& replayButtons,
                 const std::map<int, QAction*>& menuItems);

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
    MessageSink& messages_;
    QWidget& view_;
    QListWidget& moveList_;
    std::array<QPushButton*, 4> replayButtons_;
    std::map<int, QAction*> menuItems_;
};

}  // namespace discada
