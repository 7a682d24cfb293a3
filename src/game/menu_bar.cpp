#include "game/menu_bar.h"

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

}  // namespace discada
