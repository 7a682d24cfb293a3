#include "game/menu_bar.h"

#include <algorithm>

#include "game/accelerators.h"

namespace discada {

std::string menuText(const MenuEntry& entry) {
    std::string text(entry.label);
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.commandId == entry.commandId && !accelerator.menuHint.empty())
            text += "\t" + std::string(accelerator.menuHint);
    }
    return text;
}

bool hasMenuItem(int commandId) {
    return std::any_of(kMenuBar.begin(), kMenuBar.end(), [commandId](const MenuEntry& entry) {
        const bool item =
            entry.kind == MenuEntryKind::Item || entry.kind == MenuEntryKind::CheckItem;
        return item && entry.commandId == commandId;
    });
}

}  // namespace discada
