#include "web/web_window_host.h"

#include <emscripten.h>

#include <string>

namespace discada {

namespace {

// The page's side of each call lives in page.js as the methods of `DiscadaPage`. The icon is a
// MessageIcon, whose values the page has been told by name.
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
EM_JS(void, pageAnnounce, (const char* text), { DiscadaPage.announce(UTF8ToString(text)); });

}  // namespace

void WebWindowHost::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    if (!attached_) return;
    beforeWaiting_();
    pageShowMessage(std::string(text).c_str(), std::string(caption).c_str(),
                    static_cast<int>(icon));
}

void WebWindowHost::listReset() {
    if (attached_) pageListReset();
}

void WebWindowHost::listInsertTop(std::string_view text) {
    if (attached_) pageListInsertTop(std::string(text).c_str());
}

void WebWindowHost::listDeleteTop() {
    if (attached_) pageListDeleteTop();
}

void WebWindowHost::listSelect(int index) {
    if (attached_) pageListSelect(index);
}

void WebWindowHost::showReplayButtons(bool shown) {
    if (attached_) pageShowReplayButtons(shown ? 1 : 0);
}

void WebWindowHost::setMenuState(int commandId, MenuItemState state) {
    if (attached_) pageSetMenuState(commandId, state.checked ? 1 : 0, state.greyed ? 1 : 0);
}

void WebWindowHost::announce(std::string_view text) {
    if (attached_) pageAnnounce(std::string(text).c_str());
}

void WebWindowHost::requestRepaint() {
    if (attached_) pageRequestRepaint();
}

void WebWindowHost::paintNow() {
    if (attached_) paint_();
}

}  // namespace discada
