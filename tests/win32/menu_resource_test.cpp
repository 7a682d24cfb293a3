#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "game/menu_bar.h"
#include "win32/wide_text.h"

namespace discada {
namespace {

// One line per entry, in the menu bar table's terms. The resource cannot tell a check item from
// a plain one: both are items.
std::string entryLine(MenuEntryKind kind, int id, const std::string& text) {
    const char* names[] = {"menu", "submenu", "end", "item", "item", "separator"};
    return std::string(names[static_cast<int>(kind)]) + " " + std::to_string(id) + " " + text;
}

void describe(HMENU menu, int depth, std::vector<std::string>& lines) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 128;
        ASSERT_NE(::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item), 0);
        if (item.hSubMenu != nullptr) {
            const auto kind = depth == 0 ? MenuEntryKind::Menu : MenuEntryKind::SubMenu;
            lines.push_back(entryLine(kind, 0, narrow(text)));
            describe(item.hSubMenu, depth + 1, lines);
            if (depth > 0) lines.push_back(entryLine(MenuEntryKind::EndSubMenu, 0, ""));
        } else if ((item.fType & MFT_SEPARATOR) != 0) {
            lines.push_back(entryLine(MenuEntryKind::Separator, 0, ""));
        } else {
            lines.push_back(
                entryLine(MenuEntryKind::Item, static_cast<int>(item.wID), narrow(text)));
        }
    }
}

TEST(MenuResource, HoldsTheMenuBarOfBothProgramsEntryForEntry) {
    const HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), L"MYMENU");
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> resource;
    describe(menu, 0, resource);
    ::DestroyMenu(menu);

    std::vector<std::string> table;
    for (const MenuEntry& entry : kMenuBar)
        table.push_back(entryLine(entry.kind, entry.commandId, menuText(entry)));
    EXPECT_EQ(resource, table);
}

}  // namespace
}  // namespace discada
