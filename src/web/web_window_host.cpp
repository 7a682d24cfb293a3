#include "web/web_window_host.h"

#include <emscripten.h>

#include <string>

namespace discada {

namespace {

// The page's side of each call lives in page.js as the methods of `DiscadaPage`.
EM_ASYNC_JS(void, pageShowMessage, (const char* text, const char* caption, int icon),
            { await DiscadaPage.showMessage(UTF8ToString(text), UTF8ToString(caption), icon); });
EM_JS(void, pageListReset, (), { DiscadaPage.listReset(); });
EM_JS(void, pageListInsertTop, (const char* text),
      { DiscadaPage.listInsertTop(UTF8ToString(text)); });
EM_JS(void, pageListDeleteTop, (), { DiscadaPage.listDeleteTop(); });
EM_JS(void, pageListSelect, (int index), { DiscadaPage.listSelect(index); });
EM_JS(void, pageShowReplayButtons, (int shown), { DiscadaPage.showReplayButtons(shown != 0); });
EM_JS(void, pageSetMenuState, (int id, int checked, int greyed),
      { DiscadaPage.setMenuState(id, checked != 0, greyed != 0); });
EM_JS(void, pageRequestRepaint, (), { DiscadaPage.requestRepaint(); });

// The icon as the page names it: 0 none, 1 information, 2 warning.
int iconCode(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return 0;
        case MessageIcon::Information:
            return 1;
        case MessageIcon::Warning:
            return 2;
    }
    return 0;
}

}  // namespace

void WebWindowHost::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    if (!attached_) return;
    pageShowMessage(std::string(text).c_str(), std::string(caption).c_str(), iconCode(icon));
}

void WebWindowHost::listReset() {
    listCount_ = 0;
    if (attached_) pageListReset();
}

void WebWindowHost::listInsertTop(std::string_view text) {
    ++listCount_;
    if (attached_) pageListInsertTop(std::string(text).c_str());
}

void WebWindowHost::listDeleteTop() {
    if (listCount_ == 0) return;
    --listCount_;
    if (attached_) pageListDeleteTop();
}

void WebWindowHost::listSelect(int index) {
    if (attached_) pageListSelect(index);
}

void WebWindowHost::showReplayButtons(bool shown) {
    if (attached_) pageShowReplayButtons(shown ? 1 : 0);
}

MenuItemState WebWindowHost::menuState(int commandId) const {
    const auto found = menuStates_.find(commandId);
    return found == menuStates_.end() ? MenuItemState{} : found->second;
}

void WebWindowHost::setMenuState(int commandId, MenuItemState state) {
    menuStates_[commandId] = state;
    if (attached_) pageSetMenuState(commandId, state.checked ? 1 : 0, state.greyed ? 1 : 0);
}

void WebWindowHost::requestRepaint() {
    if (attached_) pageRequestRepaint();
}

void WebWindowHost::paintNow() {
    if (attached_) paint_();
}

}  // namespace discada
