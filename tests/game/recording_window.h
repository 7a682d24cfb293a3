#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/window_host.h"

namespace discada {

// A WindowHost that keeps what a real window would show (move list top first, selection, buttons,
// menu states) and logs every call in order: "message CAPTION|ICON|TEXT", "list insert TEXT",
// "list select N", "list delete", "list reset", "buttons shown|hidden", "menu ID checked|greyed|
// normal", "repaint", "paint now". Messages are also kept as "CAPTION|ICON|TEXT".
class RecordingWindow : public WindowHost {
public:
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        const char* iconName[] = {"none", "information", "warning"};
        messages.push_back(std::string(caption) + "|" + iconName[static_cast<int>(icon)] + "|" +
                           std::string(text));
        log("message " + messages.back());
        if (whileMessageOpen) whileMessageOpen();  // as the box's own message loop would
    }
    void listReset() override {
        entries.clear();
        log("list reset");
    }
    void listInsertTop(std::string_view text) override {
        entries.insert(entries.begin(), std::string(text));
        if (selected >= 0) ++selected;
        if (now) insertTimes.push_back(now());
        log("list insert " + std::string(text));
    }
    void listDeleteTop() override {
        entries.erase(entries.begin());
        if (selected >= 0) --selected;
        log("list delete");
    }
    void listSelect(int index) override {
        selected = index < std::ssize(entries) ? index : -1;
        log("list select " + std::to_string(index));
    }
    void showReplayButtons(bool shown) override {
        buttonsShown = shown;
        log(shown ? "buttons shown" : "buttons hidden");
    }
    void setMenuState(int id, MenuItemState state) override {
        menu[id] = state;
        log("menu " + std::to_string(id) +
            (state.checked  ? " checked"
             : state.greyed ? " greyed"
                            : " normal"));
    }
    // Kept apart from the events: a window may leave announcements out.
    void announce(std::string_view text) override { announcements.emplace_back(text); }
    void requestRepaint() override { log("repaint"); }
    void paintNow() override { log("paint now"); }

    // The events logged since the last call.
    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }

    std::vector<std::string> events;
    std::vector<std::string> messages;
    std::vector<std::string> announcements;
    std::vector<std::string> entries;
    int selected = -1;  // kept as the list box keeps it when entries above it come and go
    bool buttonsShown = false;
    std::map<int, MenuItemState> menu;
    // When set, the time of each list insertion is kept in insertTimes.
    std::function<std::uint32_t()> now;
    std::vector<std::uint32_t> insertTimes;
    std::function<void()> whileMessageOpen;

private:
    void log(std::string event) { events.push_back(std::move(event)); }
};

}  // namespace discada
