#include "cli/text_host.h"

#include <ostream>

namespace discada {

namespace {

std::string_view iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return "information";
        case MessageIcon::Warning:
            return "warning";
        case MessageIcon::None:
            break;
    }
    return "none";
}

std::string_view stateName(MenuItemState state) {
    if (state.checked) return "checked";
    return state.greyed ? "greyed" : "normal";
}

// One event per line: a newline inside a text is written as the two characters "\n".
std::string oneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

void TextHost::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    out_ << "message " << caption << '|' << iconName(icon) << '|' << oneLine(text) << '\n';
}

void TextHost::listReset() {
    out_ << "list reset\n";
}

void TextHost::listInsertTop(std::string_view text) {
    out_ << "list insert " << text << '\n';
}

void TextHost::listDeleteTop() {
    out_ << "list delete\n";
}

void TextHost::listSelect(int index) {
    out_ << "list select " << index << '\n';
}

void TextHost::showReplayButtons(bool shown) {
    out_ << (shown ? "buttons shown\n" : "buttons hidden\n");
}

void TextHost::setMenuState(int commandId, MenuItemState state) {
    out_ << "menu " << commandId << ' ' << stateName(state) << '\n';
}

FileChoice TextHost::choose(const FileRequest& request) {
    out_ << "dialog " << (request.kind == FileDialogKind::Save ? "save " : "open ") << request.title
         << '\n';
    if (answers_.empty()) return {FileChoiceOutcome::Cancelled, {}};
    FileChoice answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

bool TextHost::open(const std::string& path) {
    out_ << "viewer " << path << '\n';
    return true;
}

}  // namespace discada
