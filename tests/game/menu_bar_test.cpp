#include "game/menu_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace discada {

namespace {

// Every entry with its id and the text it shows, key hint included.
TEST(MenuBar, ShowsEveryTextWithItsKeyHintInOrder) {
    const char* kinds[] = {"menu", "submenu", "end", "item", "check", "separator"};
    std::vector<std::string> lines;
    for (const MenuEntry& entry : kMenuBar) {
        lines.push_back(std::string(kinds[static_cast<int>(entry.kind)]) + " " +
                        std::to_string(entry.commandId) + " " + menuText(entry));
    }
    const std::vector<std::string> expected = {
        "menu 0 ゲーム(&G)",
        "item 100 先手でスタート(&N)\tF2",
        "item 110 後手でスタート",
        "item 120 2人で遊ぶ",
        "separator 0 ",
        "submenu 0 cpuのレベル",
        "check 200 レベル0",
        "check 210 レベル1",
        "check 220 レベル2",
        "end 0 ",
        "item 400 待った(&B)\tF10",
        "separator 0 ",
        "item 500 棋譜の読み込み(&O)\tCtrl+O",
        "item 510 棋譜の保存(&A)",
        "check 520 終局時に保存する",
        "separator 0 ",
        "item 900 終了(&X)",
        "menu 0 ヘルプ(&H)",
        "item 800 ヘルプ\tF1",
        "item 810 バージョン情報",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace discada
