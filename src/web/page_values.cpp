#include "web/page_values.h"

#include <emscripten.h>

#include "game/menu_bar.h"
#include "platform/file_chooser.h"
#include "platform/window_host.h"

namespace discada {

namespace {

EM_JS(void, pageDefineValue, (const char* type, const char* name, int value),
      { DiscadaPage.defineValue(UTF8ToString(type), UTF8ToString(name), value); });

// Each switch names every enumerator (the compiler warns of one left out); a value that is no
// enumerator has no name.
const char* nameOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return "None";
        case MessageIcon::Information:
            return "Information";
        case MessageIcon::Warning:
            return "Warning";
    }
    return nullptr;
}

const char* nameOf(MenuEntryKind kind) {
    switch (kind) {
        case MenuEntryKind::Menu:
            return "Menu";
        case MenuEntryKind::SubMenu:
            return "SubMenu";
        case MenuEntryKind::EndSubMenu:
            return "EndSubMenu";
        case MenuEntryKind::Item:
            return "Item";
        case MenuEntryKind::CheckItem:
            return "CheckItem";
        case MenuEntryKind::Separator:
            return "Separator";
    }
    return nullptr;
}

const char* nameOf(FileChoiceOutcome outcome) {
    switch (outcome) {
        case FileChoiceOutcome::Chosen:
            return "Chosen";
        case FileChoiceOutcome::Cancelled:
            return "Cancelled";
        case FileChoiceOutcome::Failed:
            return "Failed";
    }
    return nullptr;
}

// The enumerators are numbered from 0 without gaps, so the first value without a name ends them.
template <typename Enum>
void tell(const char* type) {
    for (int value = 0; const char* name = nameOf(static_cast<Enum>(value)); ++value)
        pageDefineValue(type, name, value);
}

}  // namespace

void tellPageValues() {
    tell<MessageIcon>("MessageIcon");
    tell<MenuEntryKind>("MenuEntryKind");
    tell<FileChoiceOutcome>("FileChoiceOutcome");
}

}  // namespace discada
