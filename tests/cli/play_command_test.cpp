#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/play_command.h"
#include "temp_folder.h"

namespace discada {
namespace {

struct Played {
    int code = 0;
    std::string out, err;
};

Played play(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = runPlay(in, out, err, true);
    return {code, out.str(), err.str()};
}

const std::string kStart = "menu 210 checked\nlist reset\nlist select -1\n";

TEST(PlayCommand, ShowsThePlacementTheLevelOneAnswerAndThePosition) {
    const Played p = play("place 4 3\nboard\n");
    EXPECT_EQ(p.code, 0);
    EXPECT_EQ(p.err, "");
    EXPECT_EQ(p.out, kStart +
                         "list insert  1手目 黒(4, 3)\n"
                         "list select 0\n"
                         "list insert  2手目 白(3, 5)\n"
                         "list select 0\n"
                         "........\n"
                         "........\n"
                         "...X....\n"
                         "...XX...\n"
                         "..OOO...\n"
                         "........\n"
                         "........\n"
                         "........\n"
                         "あなたの番(黒)     \n"
                         "\n"
                         "黒： 3 \n"
                         "白： 3 \n");
}

TEST(PlayCommand, RefusesBadLinesOnStandardErrorAndStopsAtClose) {
    const Played p =
        play("bogus\ncommand 5\ncommand x\nplace 9 1\nclick 1\n\nanswer\ncommand 900\nboard\n");
    EXPECT_EQ(p.code, 0);
    EXPECT_EQ(p.out, kStart);  // nothing changed, and nothing after the close
    EXPECT_EQ(std::count(p.err.begin(), p.err.end(), '\n'), 7);
    EXPECT_EQ(p.err.rfind("error: ", 0), 0u);
}

TEST(PlayCommand, WritesMessagesMenusButtonsAndDialogsAsLines) {
    const TempFolder dir("discada-play");
    const std::string file = (dir / "two.txt").string();
    std::ofstream(file, std::ios::binary) << " 1:4,3(1)\r\n 2:3,3(2)\r\n";
    const Played p = play("command 810\ncommand 230\nanswer " + file +
                          "\ncommand 500\ncommand 1110\ncommand 510\ncommand 120\n");
    EXPECT_EQ(p.out, kStart +
                         "message バージョン情報|none|DiscadaGame\tVer.1.2\n"
                         "menu 210 normal\n"
                         "dialog open 開く\n"
                         "list reset\n"
                         "list select -1\n"
                         "list insert  1手目 黒(4, 3)\n"
                         "list insert  2手目 白(3, 3)\n"
                         "buttons shown\n"
                         "menu 400 greyed\n"
                         "list select 0\n"
                         "list select 1\n"
                         "dialog save 名前を付けて保存\n"
                         "list reset\n"
                         "list select -1\n"
                         "buttons hidden\n"
                         "menu 400 normal\n");
}

TEST(PlayCommand, WritesTheNewlinesOfAMessageAsBackslashN) {
    // Nine placements of a two-person game that leave white without a disc.
    const Played p = play(
        "command 120\nplace 6 5\nplace 6 6\nplace 4 3\nplace 5 3\nplace 6 3\nplace 3 5\n"
        "place 2 5\nplace 6 4\nplace 6 7\n");
    const std::string ending =
        "list insert  9手目 黒(6, 7)\n"
        "list select 0\n"
        "message DiscadaGame|information|両者置く場所がありません。\\n終局です。\n"
        "message 結果|information|黒：13\\n白：0\\n黒の勝ち\n";
    ASSERT_GE(p.out.size(), ending.size());
    EXPECT_EQ(p.out.substr(p.out.size() - ending.size()), ending);
}

}  // namespace
}  // namespace discada
