#pragma once

#include <array>
#include <string_view>

#include "game/commands.h"

namespace discada {

// The menu bar in order, as every front end shows it. `&` marks the mnemonic letter; the text
// after a tab is the key hint shown right-aligned. A SubMenu runs to its EndSubMenu; a Menu runs
// to the next Menu.
enum class MenuEntryKind { Menu, SubMenu, EndSubMenu, Item, CheckItem, Separator };

struct MenuEntry {
    MenuEntryKind kind;
    int commandId = 0;
    std::string_view text;
};

inline constexpr auto kMenuBar = std::to_array<MenuEntry>({
    {MenuEntryKind::Menu, 0, "ゲーム(&G)"},
    {MenuEntryKind::Item, command::kNewGameAsBlack, "先手でスタート(&N)\tF2"},
    {MenuEntryKind::Item, command::kNewGameAsWhite, "後手でスタート"},
    {MenuEntryKind::Item, command::kNewGameTwoPlayers, "2人で遊ぶ"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::SubMenu, 0, "cpuのレベル"},
    {MenuEntryKind::CheckItem, command::kLevel0, "レベル0"},
    {MenuEntryKind::CheckItem, command::kLevel1, "レベル1"},
    {MenuEntryKind::CheckItem, command::kLevel2, "レベル2"},
    {MenuEntryKind::EndSubMenu, 0, ""},
    {MenuEntryKind::Item, command::kUndo, "待った(&B)\tF10"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::Item, command::kLoadRecord, "棋譜の読み込み(&O)\tCtrl+O"},
    {MenuEntryKind::Item, command::kSaveRecord, "棋譜の保存(&A)"},
    {MenuEntryKind::CheckItem, command::kSaveAtEnd, "終局時に保存する"},
    {MenuEntryKind::Separator, 0, ""},
    {MenuEntryKind::Item, command::kClose, "終了(&X)"},
    {MenuEntryKind::Menu, 0, "ヘルプ(&H)"},
    {MenuEntryKind::Item, command::kHelp, "ヘルプ\tF1"},
    {MenuEntryKind::Item, command::kVersion, "バージョン情報"},
});

}  // namespace discada
