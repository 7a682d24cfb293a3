#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/commands.h"

namespace discada {

// The menu bar in order, as every front end shows it. `&` marks the mnemonic letter. A SubMenu
// runs to its EndSubMenu; a Menu runs to the next Menu.
enum class MenuEntryKind { Menu, SubMenu, EndSubMenu, Item, CheckItem, Separator };

struct MenuEntry {
    MenuEntryKind kind;
    int commandId = 0;
    // The text without the key hint, which comes from the accelerator of the command.
    std::string_view label;
};

inline constexpr auto kMenuBar = std::to_array<MenuEntry>({
    {MenuEntryKind::Menu, 0, "ゲーム(&G)"},
    {MenuEntryKind::Item, command::kNewGameAsBlack, "先手でスタート(&N)"},
    {MenuEntryKind::Item, command::kNewGameAsWhite, "後手でスタート"},
    {MenuEntryKind::Item, command::kNewGameTwoPlayers, "2人で遊ぶ"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::SubMenu, 0, "cpuのレベル"},
    {MenuEntryKind::CheckItem, command::kLevel0, "レベル0"},
    {MenuEntryKind::CheckItem, command::kLevel1, "レベル1"},
    {MenuEntryKind::CheckItem, command::kLevel2, "レベル2"},
    {MenuEntryKind::EndSubMenu, 0, ""},
    {MenuEntryKind::Item, command::kUndo, "待った(&B)"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::Item, command::kLoadRecord, "棋譜の読み込み(&O)"},
    {MenuEntryKind::Item, command::kSaveRecord, "棋譜の保存(&A)"},
    {MenuEntryKind::CheckItem, command::kSaveAtEnd, "終局時に保存する"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::Item, command::kClose, "終了(&X)"},
    {MenuEntryKind::Menu, 0, "ヘルプ(&H)"},
    {MenuEntryKind::Item, command::kHelp, "ヘルプ"},
    {MenuEntryKind::Item, command::kVersion, "バージョン情報"},
});

// The text an entry shows: its label and, for a command with an accelerator the menu names, a
// tab and the key hint, which the menu shows right-aligned.
std::string menuText(const MenuEntry& entry);

// True when an item of the menu bar sends the command.
bool hasMenuItem(int commandId);

}  // namespace discada
