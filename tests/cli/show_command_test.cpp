#include <gtest/gtest.h>

#include "cli/show_command.h"
#include "cli_test_fixture.h"

namespace discada {
namespace {

class ShowCommand : public CliTest {
protected:
    int run(const std::string& path) { return runShow(path, out_, err_); }
};

TEST_F(ShowCommand, PrintsThePositionAndSummaryOfARecord) {
    EXPECT_EQ(run(write("game.txt", " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n")), 0);
    EXPECT_EQ(out_.str(),
              "........\n"
              "........\n"
              "..OX....\n"
              "..XXX...\n"
              "...XO...\n"
              "........\n"
              "........\n"
              "........\n"
              "black=5 white=2 moves=3 status=0 tomove=2\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ShowCommand, ReportsARecordWithoutUsablePlacement) {
    EXPECT_EQ(run(write("bad.txt", " 1:9,9(1)\r\n")), 2);
    EXPECT_EQ(err_.str(), "棋譜の読み込みに失敗しました。\n");
    EXPECT_EQ(out_.str(), "");
}

TEST_F(ShowCommand, ReportsAFileThatCannotBeRead) {
    EXPECT_EQ(run(utf8Of(dir_ / "missing.txt")), 1);
    EXPECT_NE(err_.str().find("missing.txt"), std::string::npos);
    EXPECT_EQ(run(utf8Of(dir_)), 1);
    EXPECT_NE(err_.str().find("folder"), std::string::npos);
}

TEST_F(ShowCommand, ReadsAJapaneseNamedFile) {
    EXPECT_EQ(run(write("無題.txt", " 1:4,3(1)\r\n")), 0);
}

}  // namespace
}  // namespace discada
