#include "app/qt_window_host.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "app/message_sink.h"
#include "app/qt_text.h"

namespace discada {

QtWindowHost::QtWindowHost(MessageSink& messages, QWidget& view, QListWidget& moveList,
                           const std::array<QPushButton*, 4>& replayButtons,
                           const std::map<int, QAction*>& menuItems)
    : messages_(messages),
      view_(view),
      moveList_(moveList),
      replayButtons_(replayButtons),
      menuItems_(menuItems) {
}

void QtWindowHost::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    messages_.show(text, caption, icon);
}

void QtWindowHost::listReset() {
    moveList_.clear();
}

void QtWindowHost::listInsertTop(std::string_view text) {
    moveList_.insertItem(0, toQString(text));
}

void QtWindowHost::listDeleteTop() {
    delete moveList_.takeItem(0);
}

void QtWindowHost::listSelect(int index) {
    moveList_.setCurrentRow(index);
    if (QListWidgetItem* item = moveList_.item(index)) moveList_.scrollToItem(item);
}

void QtWindowHost::showReplayButtons(bool shown) {
    for (QPushButton* button : replayButtons_)
        button->setVisible(shown);
}

void QtWindowHost::setMenuState(int commandId, MenuItemState state) {
    const auto found = menuItems_.find(commandId);
    if (found == menuItems_.end()) return;
    QAction& action = *found->second;
    action.setChecked(action.isCheckable() && state.checked);
    action.setEnabled(!state.greyed);
}

void QtWindowHost::requestRepaint() {
    view_.update();
}

void QtWindowHost::paintNow() {
    view_.repaint();
}

}  // namespace discada
